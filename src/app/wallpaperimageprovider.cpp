#include "wallpaperimageprovider.h"

#include "wallpaperfiles.h"

WallpaperImageProvider::WallpaperImageProvider(const WallpaperFiles *files)
    : QQuickImageProvider(QQuickImageProvider::Image, QQmlImageProviderBase::ForceAsynchronousImageLoading),
      m_documentsDir(files->documentsDir())
{
}

QImage WallpaperImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    // Only the name before the cache-busting query counts; it never contains a path separator.
    const QString name = id.section(QLatin1Char('?'), 0, 0);
    if (name.contains(QLatin1Char('/')))
        return {};
    const WallpaperFiles files(m_documentsDir);
    QImage image = files.loadWallpaperFile(name);
    if (!image.isNull() && requestedSize.isValid())
        image = image.scaled(requestedSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (size)
        *size = image.size();
    return image;
}
