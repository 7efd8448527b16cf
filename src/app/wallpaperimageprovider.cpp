#include "wallpaperimageprovider.h"

#include "wallpapercache.h"
#include "wallpaperfiles.h"

#include <QDir>
#include <QImageReader>
#include <QQmlAbstractUrlInterceptor>
#include <QQmlEngine>

namespace {
const QString BundledPrefix = QStringLiteral("qrc:/assets/wallpapers/");

class BundledWallpaperRoute : public QQmlAbstractUrlInterceptor
{
public:
    QUrl intercept(const QUrl &url, DataType type) override
    {
        if (type != UrlString || !url.toString().startsWith(BundledPrefix))
            return url;
        return QUrl(QStringLiteral("image://wallpaper/@") + url.toString().mid(BundledPrefix.size()));
    }
};

// The size the engine's own loader decodes a stretched picture at, so a routed picture keeps
// every pixel it had: the dimensions smaller than the picture's set one scale for both, which
// keeps the aspect ratio (the item stretches the result).
QSize stretchedLoadSize(QSize original, QSize requested)
{
    qreal ratio = 0;
    if (requested.width() > 0 && requested.width() < original.width())
        ratio = qreal(requested.width()) / original.width();
    if (requested.height() > 0 && requested.height() < original.height()) {
        const qreal heightRatio = qreal(requested.height()) / original.height();
        if (ratio == 0 || heightRatio < ratio)
            ratio = heightRatio;
    }
    if (ratio <= 0)
        return {};
    return QSize(qRound(original.width() * ratio), qRound(original.height() * ratio));
}

QImage readBundled(const QString &path, QSize requestedSize)
{
    // Named format: no probing of every image plugin for a file we know is a JPEG.
    QImageReader reader(path, "jpg");
    const QSize loadSize = stretchedLoadSize(reader.size(), requestedSize);
    if (loadSize.isValid())
        reader.setScaledSize(loadSize);
    return reader.read();
}
} // namespace

WallpaperImageProvider::WallpaperImageProvider(const WallpaperFiles *files)
    : QQuickImageProvider(QQuickImageProvider::Image, QQmlImageProviderBase::ForceAsynchronousImageLoading),
      m_documentsDir(files->documentsDir()),
      m_cacheDir(files->cacheDir())
{
}

void WallpaperImageProvider::routeBundledWallpapers(QQmlEngine &engine)
{
    // Stateless, so one shared instance outlives every engine that uses it.
    static BundledWallpaperRoute route;
    engine.addUrlInterceptor(&route);
}

QImage WallpaperImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    // Only the name before the cache-busting query counts; it never contains a path separator.
    const QString name = id.section(QLatin1Char('?'), 0, 0);
    if (name.contains(QLatin1Char('/')) || name.isEmpty())
        return {};
    const bool bundled = name.startsWith(QLatin1Char('@'));
    const QString source = bundled ? QStringLiteral(":/assets/wallpapers/") + name.mid(1)
                                   : QDir(m_documentsDir).filePath(name);
    const QString cachePath = requestedSize.isValid() && !m_cacheDir.isEmpty()
            ? QDir(m_cacheDir).filePath(QStringLiteral("%1-%2x%3").arg(name).arg(requestedSize.width()).arg(requestedSize.height()))
            : QString();
    const QByteArray key = WallpaperCache::key(source, requestedSize);

    QImage image = WallpaperCache::read(cachePath, key);
    if (image.isNull()) {
        if (bundled) {
            image = readBundled(source, requestedSize);
        } else {
            image = WallpaperFiles(m_documentsDir).loadWallpaperFile(name);
            if (!image.isNull() && requestedSize.isValid())
                image = image.scaled(requestedSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        WallpaperCache::write(cachePath, key, image);
    }
    if (size)
        *size = image.size();
    return image;
}
