#pragma once

#include "loopbackserver.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <zlib.h>

// Pictures and files for the image tests, made on the spot.
namespace ImageTestData {

inline QImage image(int width, int height, QColor color)
{
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(color);
    return picture;
}

inline QByteArray encoded(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

inline LoopbackServer::Response png(const QImage &picture, int delayMs = 0)
{
    return {200, encoded(picture), {{"Content-Type", "image/png"}}, delayMs, false, false};
}

inline LoopbackServer::Response png(QColor color = Qt::red, int delayMs = 0) { return png(image(8, 8, color), delayMs); }

// A valid PNG whose header declares width x height pixels (with a checksum that holds) over the
// data of one pixel: what a hostile server sends to make a decoder allocate gigabytes.
inline QByteArray pngDeclaring(quint32 width, quint32 height)
{
    QByteArray bytes = encoded(image(1, 1, Qt::red));
    qToBigEndian(width, bytes.data() + 16);
    qToBigEndian(height, bytes.data() + 20);
    const auto crc = crc32(0, reinterpret_cast<const Bytef *>(bytes.constData() + 12), 17); // "IHDR" and its data
    qToBigEndian(quint32(crc), bytes.data() + 29);
    return bytes;
}

// A file last read and last modified the given numbers of seconds before `now`.
inline bool writeAgedFile(const QString &path, const QDateTime &now, qint64 modifiedAgo, qint64 readAgo = 0,
                          const QByteArray &bytes = "x")
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()
        && file.setFileTime(now.addSecs(-readAgo), QFileDevice::FileAccessTime)
        && file.setFileTime(now.addSecs(-modifiedAgo), QFileDevice::FileModificationTime);
}

} // namespace ImageTestData
