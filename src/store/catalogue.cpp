#include "catalogue.h"

#include "makerendpoints.h"

namespace {

// One line of maker/catalogue.tsv: the manifest name and screenshot prefix are stored, the
// addresses made from them with the maker's compiled-in address.
struct CatalogueRow
{
    const char16_t *name, *icon, *manifest, *section, *banner, *twitter, *website, *description, *dev,
        *screenshotPrefix;
};

// Generated at build time from maker/catalogue.tsv, the table the maker's site is made from too.
#include "cataloguerows.inc"

QString text(const char16_t *literal) { return QString::fromUtf16(literal); }

QList<application> build()
{
    QList<application> rows;
    rows.reserve(std::size(CatalogueRows));
    for (const CatalogueRow &row : CatalogueRows) {
        QStringList screenshots;
        if (*row.screenshotPrefix) {
            for (int number : {1, 2})
                screenshots.append(MakerEndpoints::screenshot(text(row.screenshotPrefix), number));
        }
        rows.append({QUuid::createUuid(), text(row.name), text(row.icon), MakerEndpoints::manifest(text(row.manifest)),
                     text(row.section), text(row.banner), text(row.twitter), text(row.website),
                     text(row.description), text(row.dev), screenshots});
    }
    return rows;
}

} // namespace

const QList<application> &catalogue()
{
    static const QList<application> rows = build();
    return rows;
}
