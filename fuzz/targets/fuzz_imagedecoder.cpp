// Downloaded or cached picture bytes, from any server: refused or decoded, never more pixels
// than the cap.
#include "../fuzzmain.h"
#include "imagedecoder.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    kestrelFuzzInit(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A small cap keeps each run fast; the first byte varies it so both sides of the check run.
    const qint64 cap = size ? 64LL * 64LL * (1 + data[0] % 16) : 4096;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const ImageDecoder::Result result = ImageDecoder::decode(bytes, cap);
    if (result.failure == ImageDecoder::Result::Failure::None) {
        FUZZ_CHECK(!result.image.isNull());
        FUZZ_CHECK(qint64(result.image.width()) * result.image.height() <= cap);
    } else {
        FUZZ_CHECK(result.image.isNull());
    }
    return 0;
}
