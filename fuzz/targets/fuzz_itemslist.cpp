// The stored source list ("items_list"): a damaged or hand-edited settings file must never crash
// the package manager, and whatever decodes must survive a store and reload unchanged.
#include "../fuzzmain.h"
#include "itemmodel.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    kestrelFuzzInit(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QList<ItemModel>> items = decodeItems(bytes);
    if (!items)
        return 0;
    const std::optional<QList<ItemModel>> again = decodeItems(encodeItems(*items));
    FUZZ_CHECK(again && *again == *items);
    return 0;
}
