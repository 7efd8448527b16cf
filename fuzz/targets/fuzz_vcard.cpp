// An imported address book. The reader streams, so the same bytes are also read through a device
// that hands them over in small pieces: the cards found must not depend on how the data arrives.
#include "../fuzzmain.h"
#include "vcardreader.h"

#include <QBuffer>

namespace {
// A device that returns at most a few bytes per read, like a slow pipe.
class TrickleDevice : public QBuffer
{
public:
    using QBuffer::QBuffer;

protected:
    qint64 readData(char *data, qint64 maxSize) override { return QBuffer::readData(data, qMin<qint64>(maxSize, 7)); }
};
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    kestrelFuzzInit(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    int damaged = 0;
    const QList<VCardReader::Card> whole = VCardReader::readAll(bytes, &damaged);

    QByteArray copy = bytes;
    TrickleDevice device(&copy);
    device.open(QIODevice::ReadOnly);
    VCardReader reader(&device);
    reader.setKeepSource(true);
    qsizetype count = 0;
    while (const std::optional<VCardReader::Card> card = reader.next()) {
        FUZZ_CHECK(count < whole.size());
        FUZZ_CHECK(card->givenName == whole[count].givenName && card->familyName == whole[count].familyName);
        FUZZ_CHECK(card->phoneNumber == whole[count].phoneNumber);
        // A kept card read back on its own must give the same card.
        const QList<VCardReader::Card> reread = VCardReader::readAll(card->source);
        FUZZ_CHECK(reread.size() == 1 && reread.first().givenName == card->givenName
                   && reread.first().familyName == card->familyName);
        ++count;
    }
    FUZZ_CHECK(count == whole.size());
    FUZZ_CHECK(reader.damagedCount() == damaged);
    return 0;
}
