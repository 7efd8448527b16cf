#include "imagedecoder.h"

#include <QBuffer>
#include <QImageReader>

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
} // namespace

Result decode(const QByteArray &data, qint64 maxPixels)
{
    if (data.isEmpty())
        return {{}, Result::Failure::NoData};
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // Naming the format from its signature spares probing every image plugin in turn.
    if (const QByteArray format = formatOf(data); !format.isEmpty()) {
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
