#include "assetcatalog.h"

#include <QDir>
#include <QFileInfo>

namespace {
// Bundled artwork lives under :/assets/<kind>/<name>.<ext>.
const char *const Kinds[] = {"icons", "wallpapers", "pictures"};
const char *const Extensions[] = {"svg", "png", "jpg"};

QString resourcePath(const QString &name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return {};
    for (const char *kind : Kinds) {
        for (const char *ext : Extensions) {
            const QString path = QStringLiteral(":/assets/%1/%2.%3").arg(QLatin1String(kind), name, QLatin1String(ext));
            if (QFileInfo::exists(path))
                return path;
        }
    }
    return {};
}
} // namespace

QUrl AssetCatalog::url(const QString &name)
{
    const QString path = resourcePath(name);
    return path.isEmpty() ? QUrl() : QUrl(QStringLiteral("qrc") + path);
}

bool AssetCatalog::contains(const QString &name) { return !resourcePath(name).isEmpty(); }

QStringList AssetCatalog::names()
{
    QStringList all;
    for (const char *kind : Kinds) {
        const QDir dir(QStringLiteral(":/assets/%1").arg(QLatin1String(kind)));
        for (const QFileInfo &info : dir.entryInfoList(QDir::Files, QDir::Name))
            all.append(info.completeBaseName());
    }
    return all;
}
