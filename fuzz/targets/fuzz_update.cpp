// The software-update document the maker serves (decoded off the GUI thread, then dumped to the
// debug log on one line).
#include "../fuzzmain.h"
#include "updatedecoder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    kestrelFuzzInit(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<Updates> updates = UpdateDecoder::decode(bytes);
    if (!updates)
        return 0;
    // Every decoded entry has a fresh id, and its text survives being written out and read again
    // (a lone surrogate, which JSON can spell but UTF-8 cannot carry, excepted).
    FUZZ_CHECK(UpdateDecoder::dump(*updates).count(QLatin1Char('\n')) == 0);
    QJsonArray again;
    for (const Update &update : *updates) {
        FUZZ_CHECK(!update.id.isNull());
        if (!QStringView(update.version).isValidUtf16() || !QStringView(update.log).isValidUtf16())
            return 0;
        again.append(QJsonObject{{QStringLiteral("version"), update.version}, {QStringLiteral("log"), update.log}});
    }
    const std::optional<Updates> reread = UpdateDecoder::decode(QJsonDocument(again).toJson());
    FUZZ_CHECK(reread && reread->size() == updates->size());
    for (qsizetype i = 0; i < updates->size(); ++i)
        FUZZ_CHECK(reread->at(i).version == updates->at(i).version && reread->at(i).log == updates->at(i).log);
    return 0;
}
