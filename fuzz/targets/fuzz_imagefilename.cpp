// The disk cache's file name for a cache key (a picture's address, which any page or repository
// chooses): it must stay one plain file name inside the cache folder.
#include "../fuzzmain.h"
#include "diskcache.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    kestrelFuzzInit(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString key = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString name = DiskCache::fileName(key);
    const QByteArray encoded = name.toUtf8();
    FUZZ_CHECK(encoded.size() >= 32 && encoded.size() <= 255);
    FUZZ_CHECK(!encoded.contains('/') && !encoded.contains('\0'));
    FUZZ_CHECK(name != QLatin1String(".") && name != QLatin1String(".."));
    FUZZ_CHECK(DiskCache::fileName(key) == name);
    return 0;
}
