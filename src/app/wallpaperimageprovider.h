#pragma once

#include <QQuickImageProvider>

class WallpaperFiles;

// image://wallpaper/<file name>: the custom wallpaper pictures, decoded off the GUI thread.
class WallpaperImageProvider : public QQuickImageProvider
{
public:
    explicit WallpaperImageProvider(const WallpaperFiles *files);
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

private:
    QString m_documentsDir;
};
