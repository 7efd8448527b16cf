#include "imagedecoder.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace ImageDecoder {

namespace {
QByteArray formatOf(const QByteArray &data)
{
    if (data.startsWith("\x89PNG\r\n\x1a\n"))
        return "png";
    if (data.startsWith("\xff\xd8\xff"))
        return "jpeg";
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a"))
        return "gif";
    return {};
}

// Whether the header declares a zero width or height. Decoders reject such a file as broken
// before it yields an image, which would hide that the picture simply has no pixels.
bool declaresNoPixels(const QByteArray &data, const QByteArray &format)
{
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    const qsizetype size = data.size();
    if (format == "png") // IHDR comes first: width and height at bytes 16 and 20
        return size >= 24 && (qFromBigEndian<quint32>(bytes + 16) == 0 || qFromBigEndian<quint32>(bytes + 20) == 0);
    if (format == "gif") // the logical screen's width and height
        return size >= 10 && (qFromLittleEndian<quint16>(bytes + 6) == 0 || qFromLittleEndian<quint16>(bytes + 8) == 0);
    if (format != "jpeg")
        return false;
    // Walk the marker segments to the first start-of-frame.
    for (qsizetype i = 2; i + 9 <= size && bytes[i] == 0xff;) {
        const uchar marker = bytes[i + 1];
        if (marker == 0xff) { // fill byte
            ++i;
            continue;
        }
        if (marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc)
            return qFromBigEndian<quint16>(bytes + i + 5) == 0 || qFromBigEndian<quint16>(bytes + i + 7) == 0;
        i += 2 + qFromBigEndian<quint16>(bytes + i + 2);
    }
    return false;
}

} // namespace

Result decode(const QByteArray &data, qint64 maxPixels)
{
    if (data.isEmpty())
        return {{}, Result::Failure::NoData};
    const QByteArray format = formatOf(data);
    if (declaresNoPixels(data, format))
        return {{}, Result::Failure::NoPixels};
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // Naming the format from its signature spares probing every image plugin in turn.
    if (!format.isEmpty()) {
        reader.setFormat(format);
        reader.setAutoDetectImageFormat(false);
    }
    reader.setAutoTransform(true);
    // The header's size comes before any pixel memory is taken.
    const QSize declared = reader.size();
    if (declared.isValid() && qint64(declared.width()) * qint64(declared.height()) > maxPixels)
        return {{}, Result::Failure::TooLarge};
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return {{}, Result::Failure::Undecodable};
    if (image.width() <= 0 || image.height() <= 0)
        return {{}, Result::Failure::NoPixels};
    if (qint64(image.width()) * qint64(image.height()) > maxPixels)
        return {{}, Result::Failure::TooLarge};
    // Convert here, off the GUI thread, to the format the scene graph uploads without copying.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    return {image, Result::Failure::None};
}

} // namespace ImageDecoder
