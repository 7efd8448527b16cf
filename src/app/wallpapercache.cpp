#include "wallpapercache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <cstdio>
#include <sys/stat.h>

namespace {
// Bumped whenever the way pictures are decoded or scaled changes, so old entries are rebuilt.
constexpr char Magic[8] = {'K', 'W', 'P', 'C', '0', '0', '0', '3'};

struct Header
{
    char magic[8];
    quint32 keyLength;
    qint32 width;
    qint32 height;
    qint32 format;
    qint64 bytesPerLine;
    quint64 checksum;
};

// Cheap enough to cost far less than a decode, yet catches bytes changed on disk.
quint64 checksum(const QImage &image)
{
    const uchar *bytes = image.constBits();
    const qsizetype length = image.sizeInBytes();
    quint64 sum = 14695981039346656037ull;
    qsizetype i = 0;
    for (; i + 8 <= length; i += 8) {
        quint64 word;
        std::memcpy(&word, bytes + i, 8);
        sum = (sum ^ word) * 1099511628211ull;
    }
    for (; i < length; ++i)
        sum = (sum ^ bytes[i]) * 1099511628211ull;
    return sum;
}

bool usableFormat(int format)
{
    // Indexed formats would need their colour table stored as well; JPEG never yields them.
    return format > QImage::Format_Indexed8 && format < QImage::NImageFormats;
}
} // namespace

QByteArray WallpaperCache::key(const QString &sourcePath, QSize requestedSize)
{
    const QFileInfo info(sourcePath);
    if (!info.isFile())
        return {};
    // A saved wallpaper is renamed into place, so its inode changes with every save even when
    // size and time happen to match the old one. Resources have no inode and never change.
    struct stat status {};
    const bool onDisk = ::stat(QFile::encodeName(sourcePath).constData(), &status) == 0;
    return QStringLiteral("%1|%2|%3|%4|%5.%6|%7x%8")
        .arg(info.absoluteFilePath())
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(onDisk ? qulonglong(status.st_ino) : 0)
        .arg(onDisk ? qlonglong(status.st_mtim.tv_sec) : 0)
        .arg(onDisk ? qlonglong(status.st_mtim.tv_nsec) : 0)
        .arg(requestedSize.width())
        .arg(requestedSize.height())
        .toUtf8();
}

QImage WallpaperCache::read(const QString &cachePath, const QByteArray &key)
{
    if (cachePath.isEmpty() || key.isEmpty())
        return {};
    QFile file(cachePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    Header header {};
    if (file.read(reinterpret_cast<char *>(&header), sizeof header) != qint64(sizeof header)
        || std::memcmp(header.magic, Magic, sizeof Magic) != 0 || header.keyLength != quint32(key.size())
        || file.read(key.size()) != key || header.width <= 0 || header.height <= 0 || header.width > 16384
        || header.height > 16384 || !usableFormat(header.format))
        return {};
    QImage image(header.width, header.height, QImage::Format(header.format));
    if (image.isNull() || image.bytesPerLine() != header.bytesPerLine
        || file.size() != file.pos() + image.sizeInBytes())
        return {};
    if (file.read(reinterpret_cast<char *>(image.bits()), image.sizeInBytes()) != image.sizeInBytes()
        || checksum(image) != header.checksum)
        return {};
    return image;
}

void WallpaperCache::write(const QString &cachePath, const QByteArray &key, const QImage &image)
{
    if (cachePath.isEmpty() || key.isEmpty() || image.isNull() || !usableFormat(image.format())
        || !QDir().mkpath(QFileInfo(cachePath).absolutePath()))
        return;
    Header header {};
    std::memcpy(header.magic, Magic, sizeof Magic);
    header.keyLength = quint32(key.size());
    header.width = image.width();
    header.height = image.height();
    header.format = image.format();
    header.bytesPerLine = image.bytesPerLine();
    header.checksum = checksum(image);
    // Written whole under a fixed hidden name, then renamed: a reader never sees half an entry,
    // and a write cut short by a kill is overwritten by the next one instead of piling up.
    const QFileInfo target(cachePath);
    const QString temporary = target.absoluteDir().filePath(QLatin1Char('.') + target.fileName() + QStringLiteral(".saving"));
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    const bool written = file.write(reinterpret_cast<const char *>(&header), sizeof header) == qint64(sizeof header)
        && file.write(key) == key.size()
        && file.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()) == image.sizeInBytes();
    file.close();
    if (!written || ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(cachePath).constData()) != 0)
        QFile::remove(temporary);
}
