// The repository document a package source serves (decoded off the GUI thread, whatever source).
#include "../fuzzmain.h"
#include "packages.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    kestrelFuzzInit(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QList<Packages>> packages = decodePackages(bytes);
    if (!packages)
        return 0;
    // Every accessor the screens call must be safe on whatever the document decoded to.
    for (const Packages &p : *packages) {
        FUZZ_CHECK(!p.id.isNull());
        (void)p.PackageName().size();
        (void)p.PackageID().size();
        (void)p.Category().size();
        (void)p.PackageVersion().size();
        (void)p.AppIcon();
        (void)p.AuthorEmail();
        (void)p.ContactEmail();
        (void)p.Website();
        (void)p.Description();
    }
    (void)describePackages(*packages).size();
    return 0;
}
