#include "wallpaperfiles.h"

#include "diagnostics.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

WallpaperFiles::WallpaperFiles(const QString &documentsDir, QObject *parent)
    : QObject(parent), m_documentsDir(documentsDir)
{
}

QString WallpaperFiles::filePath(const QString &fileName) const
{
    return QDir(m_documentsDir).filePath(fileName);
}

QString WallpaperFiles::cacheDir() const
{
    if (m_documentsDir.isEmpty())
        return {};
    return QDir::cleanPath(m_documentsDir + QStringLiteral("/../Caches/Wallpapers"));
}

QImage WallpaperFiles::loadWallpaperFile(const QString &fileName) const
{
    if (m_documentsDir.isEmpty() || fileName.isEmpty())
        return {};
    QImageReader reader(filePath(fileName));
    reader.setAutoTransform(true);
    return reader.read();
}

QUrl WallpaperFiles::customSource(const QString &fileName) const
{
    const QFileInfo info(filePath(fileName));
    if (fileName.isEmpty() || !info.isFile() || !QImageReader(info.filePath()).canRead())
        return {};
    // The query makes the address change whenever the file does, defeating the pixmap cache.
    return QUrl(QStringLiteral("image://wallpaper/%1?%2-%3")
                    .arg(fileName)
                    .arg(info.lastModified().toMSecsSinceEpoch())
                    .arg(info.size()));
}

bool WallpaperFiles::saveWallpaperFile(const QString &fileName, const QImage &picture)
{
    if (m_documentsDir.isEmpty() || fileName.isEmpty() || !QDir().mkpath(m_documentsDir))
        return false;

    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(100);
        if (picture.isNull() || !writer.write(picture))
            return false;
    }
    if (jpeg.isEmpty())
        return false;

    const QString target = filePath(fileName);
    // A fixed temporary name: a write cut short by a crash is overwritten by the next save.
    const QString temporary = filePath(QStringLiteral(".%1.saving").arg(fileName));
    QFile file(temporary);
    auto fail = [&](const QString &description) {
        kestrel::diagnostic(QStringLiteral("error saving file with error ") + description);
        file.close();
        QFile::remove(temporary);
        return false;
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(file.errorString());
    if (file.write(jpeg) != jpeg.size() || !file.flush())
        return fail(file.errorString());
    if (::fsync(file.handle()) != 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    file.close();

    const bool replacing = QFileInfo::exists(target);
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    if (replacing)
        kestrel::diagnostic(QStringLiteral("Removed old image"));
    // Make the rename itself durable.
    const int dir = ::open(QFile::encodeName(m_documentsDir).constData(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    ++m_revision;
    emit revisionChanged();
    return true;
}
