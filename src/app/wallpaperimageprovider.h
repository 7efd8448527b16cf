#pragma once

#include <QQuickImageProvider>

class WallpaperFiles;
class QQmlEngine;

// image://wallpaper/<file name>: the custom wallpaper pictures, decoded off the GUI thread.
// image://wallpaper/@<resource file name>: a bundled wallpaper. Both are kept, scaled to the
// size asked for, in the data root's caches, so later starts read pixels instead of decoding.
class WallpaperImageProvider : public QQuickImageProvider
{
public:
    explicit WallpaperImageProvider(const WallpaperFiles *files);
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

    // Sends the engine's loads of bundled wallpapers through this provider; the items keep
    // their resource addresses as sources.
    static void routeBundledWallpapers(QQmlEngine &engine);

private:
    QString m_documentsDir;
    QString m_cacheDir;
};
