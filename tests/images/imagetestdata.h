#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QtEndian>

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

} // namespace ImageTestData
