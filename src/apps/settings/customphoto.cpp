#include "customphoto.h"

#include "assetcatalog.h"

#include <QImageReader>
#include <QtMath>

namespace customphoto {

QSize keptSize(QSize original, QSize screenPixels)
{
    if (original.isEmpty() || screenPixels.isEmpty())
        return original;
    const qreal limit = 4.0 * screenPixels.width() * screenPixels.height();
    const qreal area = qreal(original.width()) * original.height();
    if (area <= limit)
        return original;
    const qreal factor = qSqrt(limit / area);
    return QSize(qMax(1, qFloor(original.width() * factor)), qMax(1, qFloor(original.height() * factor)));
}

QImage read(const QString &path, QSize screenPixels)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // Asking the decoder for the smaller size lets JPEG decode at a fraction of the cost and
    // memory of the full picture. The size is that of the stored pixels, before turning; the
    // area limit does not care about the turn.
    const QSize stored = reader.size();
    const QSize kept = keptSize(stored, screenPixels);
    if (stored.isValid() && kept != stored)
        reader.setScaledSize(kept);
    QImage image = reader.read();
    if (image.isNull())
        return {};
    // Decoders that cannot tell their size up front are scaled after decoding.
    const QSize decoded = keptSize(image.size(), screenPixels);
    if (decoded != image.size())
        image = image.scaled(decoded, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

QImage builtinWallpaper()
{
    const QUrl url = AssetCatalog::url(QStringLiteral("Wallpaper"));
    return url.isEmpty() ? QImage() : QImage(QLatin1Char(':') + url.path());
}

} // namespace customphoto
