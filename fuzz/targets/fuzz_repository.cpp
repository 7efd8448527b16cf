// The repository document a package source serves (decoded off the GUI thread, whatever source).
// The quick reader is checked against the full parse: whatever it reads must be what the full
// parse reads, member for member.
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
    std::optional<QList<Packages>> quick = readPlainPackages(bytes);
    const std::optional<QList<Packages>> full = decodePackagesFromDocument(bytes);
    if (quick) {
        FUZZ_CHECK(full && full->size() == quick->size());
        for (qsizetype i = 0; i < quick->size(); ++i) {
            Packages &q = (*quick)[i];
            const Packages &f = full->at(i);
            FUZZ_CHECK(q.DockOpacity == f.DockOpacity);
            for (int t = 0; t < Packages::TextCount; ++t)
                FUZZ_CHECK(q.hasText(Packages::Text(t)) == f.hasText(Packages::Text(t)));
            q.id = f.id; // the one member made fresh each time
        }
        FUZZ_CHECK(describePackages(*quick) == describePackages(*full));
    }
    const std::optional<QList<Packages>> packages = decodePackages(bytes);
    FUZZ_CHECK(packages.has_value() == full.has_value());
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
