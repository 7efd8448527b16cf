#include "roundedpicture.h"

#include "assetcatalog.h"

#include <QCache>
#include <QImageReader>
#include <QMutex>
#include <QPainter>
#include <QPainterPath>
#include <QQuickWindow>

RoundedPicture::RoundedPicture(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    setAntialiasing(true);
}

void RoundedPicture::setName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    emit nameChanged();
    update();
}

void RoundedPicture::setRadius(qreal radius)
{
    if (qFuzzyCompare(radius, m_radius))
        return;
    m_radius = radius;
    emit radiusChanged();
    update();
}

bool RoundedPicture::valid() const { return AssetCatalog::contains(m_name); }

QImage RoundedPicture::picture(const QString &name, const QSize &pixelSize)
{
    // paint() may run on the render thread, and the home screen's preparation renders on a
    // worker: one lock guards the shared cache, but not the rendering, so a paint never waits
    // for another picture to be drawn.
    static QMutex mutex;
    static QCache<QString, QImage> cache(16 * 1024 * 1024); // cost: bytes
    const QString key = name + QLatin1Char('@') + QString::number(pixelSize.width()) + QLatin1Char('x')
                      + QString::number(pixelSize.height());
    {
        QMutexLocker lock(&mutex);
        if (const QImage *hit = cache.object(key))
            return *hit;
    }
    const QUrl url = AssetCatalog::url(name);
    if (url.isEmpty() || pixelSize.isEmpty())
        return {};
    QImageReader reader(QLatin1Char(':') + url.path());
    reader.setScaledSize(pixelSize);
    QImage image = reader.read();
    if (image.isNull())
        return {};
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    QMutexLocker lock(&mutex);
    if (const QImage *hit = cache.object(key)) // drawn meanwhile by another thread
        return *hit;
    cache.insert(key, new QImage(image), int(image.sizeInBytes()));
    return image;
}

void RoundedPicture::paint(QPainter *painter)
{
    const QRectF bounds = boundingRect();
    if (bounds.isEmpty() || m_name.isEmpty())
        return;
    const qreal ratio = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    const QImage image = picture(m_name, (bounds.size() * ratio).toSize());
    if (image.isNull())
        return;
    // Filling the rounded shape with the picture as its brush keeps the corners antialiased,
    // which a clip path would not.
    QBrush brush(image);
    brush.setTransform(QTransform::fromScale(bounds.width() / image.width(), bounds.height() / image.height()));
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->setPen(Qt::NoPen);
    painter->setBrush(brush);
    const qreal r = std::min({m_radius, bounds.width() / 2, bounds.height() / 2});
    painter->drawRoundedRect(bounds, r, r);
}
