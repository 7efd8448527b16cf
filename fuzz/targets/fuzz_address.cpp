// The browser's address builder: whatever is typed becomes the text itself, a search address or
// nothing, and a URL it hands to the web view is always a valid one.
#include "../fuzzmain.h"
#include "safarimodel.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    kestrelFuzzInit(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString typed = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString address = SafariModel::addressFor(typed);
    FUZZ_CHECK(!typed.contains(QLatin1String("://")) || address == typed);
    const QUrl url = SafariModel::urlFor(typed);
    FUZZ_CHECK(url.isEmpty() || url.isValid());
    (void)SafariModel::installFor(typed);
    return 0;
}
