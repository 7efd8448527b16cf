#pragma once

#include <QImage>
#include <QObject>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// The custom wallpaper pictures: JPEG files without extension in <data root>/Documents
// ("CustomWallpaperLock", "CustomWallpaperHome", "CustomWallpaper").
class WallpaperFiles : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Owned by AppContext")
    // Bumped on every save, so views showing a custom picture reload it.
    Q_PROPERTY(int revision READ revision NOTIFY revisionChanged)

public:
    explicit WallpaperFiles(const QString &documentsDir, QObject *parent = nullptr);

    QString documentsDir() const { return m_documentsDir; }
    QString filePath(const QString &fileName) const;
    // Where decoded, screen-sized copies of wallpapers are kept: <data root>/Caches/Wallpapers.
    QString cacheDir() const;

    // The picture in the named file, or a null image when it is missing or not a picture.
    QImage loadWallpaperFile(const QString &fileName) const;

    // Writes the picture as JPEG at best quality. The new file replaces the old one in a single
    // rename, so a failed write or a crash leaves the old picture intact instead of no picture.
    bool saveWallpaperFile(const QString &fileName, const QImage &picture);

    // The image-provider address of a custom picture, or an empty URL when the file holds none
    // (callers then show the built-in "Wallpaper").
    Q_INVOKABLE QUrl customSource(const QString &fileName) const;

    int revision() const { return m_revision; }

signals:
    void revisionChanged();

private:
    QString m_documentsDir;
    int m_revision = 0;
};
