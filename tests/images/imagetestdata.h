#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QFile>
#include <QtEndian>
#include <QtTest>

// Pictures for the image tests, made on the spot.
namespace ImageTestData {

inline QImage image(int width, int height, QColor color)
{
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(color);
    return picture;
}

inline QByteArray encoded(const QImage &picture, const char *format = "PNG")
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    return bytes;
}

inline QByteArray png(int width, int height, QColor color) { return encoded(image(width, height, color)); }

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Writes a file last modified `age` seconds before `now` (and read just now).
inline bool writeAgedFile(const QString &path, qint64 age, const QDateTime &now = QDateTime::currentDateTimeUtc())
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("x") == 1 && file.flush() && file.setFileTime(now, QFileDevice::FileAccessTime)
        && file.setFileTime(now.addSecs(-age), QFileDevice::FileModificationTime);
}

// The CRC-32 every PNG chunk ends with.
inline quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A valid PNG header declaring width x height pixels, followed by a tiny data chunk: what a
// hostile server sends to make a decoder allocate gigabytes.
inline QByteArray hugePngHeader(quint32 width, quint32 height)
{
    auto chunk = [](const QByteArray &type, const QByteArray &data) {
        QByteArray out(4, '\0');
        qToBigEndian<quint32>(quint32(data.size()), out.data());
        out += type + data;
        QByteArray crcBytes(4, '\0');
        qToBigEndian<quint32>(crc32(type + data), crcBytes.data());
        return out + crcBytes;
    };
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8; // bit depth
    header[9] = 6; // RGBA
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png += chunk("IHDR", header);
    png += chunk("IDAT", QByteArray::fromHex("789c030000000001")); // an empty zlib stream
    png += chunk("IEND", {});
    return png;
}

// LoopbackServer cannot be destroyed while a connection is still open on its side (its
// hang-up handler would touch members already gone). Clients here hang up first; this waits
// until the server has seen every hang-up, read from the kernel's table of TCP connections.
inline bool serverConnectionsClosed(quint16 port)
{
    QFile table(QStringLiteral("/proc/net/tcp"));
    if (!table.open(QIODevice::ReadOnly))
        return true;
    const QByteArray localPort = QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
    for (const QByteArray &line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 4 || !fields[1].endsWith(":" + localPort))
            continue;
        if (fields[3] == "01" || fields[3] == "08") // established, or closed by the client only
            return false;
    }
    return true;
}

inline void waitForServerHangUps(quint16 port)
{
    if (!QTest::qWaitFor([port] { return serverConnectionsClosed(port); }, 5000))
        qWarning("the loopback server still has open connections");
    // A reset connection leaves the kernel's table before the server has read the reset.
    QTest::qWait(20);
}

} // namespace ImageTestData
