#include "roundedpicture.h"

#include "assetcatalog.h"

#include <QCache>
#include <QImageReader>
#include <QMutex>
#include <QPainter>
#include <QQuickWindow>
#include <QSGImageNode>

#include <algorithm>

RoundedPicture::RoundedPicture(QQuickItem *parent) : QQuickItem(parent)
{
    setFlag(ItemHasContents);
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

namespace {

QImage roundedPicture(const QString &name, const QSize &pixelSize, qreal pixelRadius)
{
    QImageReader reader(QLatin1Char(':') + AssetCatalog::url(name).path());
    reader.setScaledSize(pixelSize);
    QImage scaled = reader.read();
    if (scaled.isNull())
        return {};
    scaled.convertTo(QImage::Format_ARGB32_Premultiplied);
    QImage rounded(pixelSize, QImage::Format_ARGB32_Premultiplied);
    rounded.fill(Qt::transparent);
    // Filling the rounded shape with the picture as its brush keeps the corners antialiased,
    // which a clip path would not.
    QPainter painter(&rounded);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(scaled));
    painter.drawRoundedRect(QRectF(QPointF(), QSizeF(pixelSize)), pixelRadius, pixelRadius);
    return rounded;
}

} // namespace

QImage RoundedPicture::picture(const QString &name, const QSize &pixelSize, qreal pixelRadius)
{
    // Items draw on the render thread and the home screen's preparation on a worker: one lock
    // guards the shared cache, but not the rendering, so a frame never waits for another
    // picture to be drawn.
    static QMutex mutex;
    static QCache<QString, QImage> cache(16 * 1024 * 1024); // cost: bytes
    if (pixelSize.isEmpty() || AssetCatalog::url(name).isEmpty())
        return {};
    pixelRadius = std::clamp(pixelRadius, 0.0, std::min(pixelSize.width(), pixelSize.height()) / 2.0);
    const QString key = name + QLatin1Char('@') + QString::number(pixelSize.width()) + QLatin1Char('x')
                      + QString::number(pixelSize.height()) + QLatin1Char('r') + QString::number(pixelRadius);
    {
        QMutexLocker lock(&mutex);
        if (const QImage *hit = cache.object(key))
            return *hit;
    }
    const QImage image = roundedPicture(name, pixelSize, pixelRadius);
    if (image.isNull())
        return {};
    QMutexLocker lock(&mutex);
    if (const QImage *hit = cache.object(key)) // drawn meanwhile by another thread
        return *hit;
    cache.insert(key, new QImage(image), int(image.sizeInBytes()));
    return image;
}

QSGNode *RoundedPicture::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *node = static_cast<QSGImageNode *>(oldNode);
    const qreal ratio = window()->effectiveDevicePixelRatio();
    const QSize pixelSize = (size() * ratio).toSize();
    const qreal pixelRadius = std::min({m_radius, width() / 2, height() / 2}) * ratio;
    const QString key = m_name + QLatin1Char('@') + QString::number(pixelSize.width()) + QLatin1Char('x')
                      + QString::number(pixelSize.height()) + QLatin1Char('r') + QString::number(pixelRadius);
    if (!node || key != m_nodeKey) {
        const QImage image = picture(m_name, pixelSize, pixelRadius);
        if (image.isNull()) {
            delete node;
            m_nodeKey.clear();
            return nullptr;
        }
        if (!node) {
            node = window()->createImageNode();
            node->setOwnsTexture(true);
            node->setFiltering(QSGTexture::Linear);
        }
        // The software scene graph wraps the shared image without copying it.
        node->setTexture(window()->createTextureFromImage(image));
        m_nodeKey = key;
    }
    node->setRect(boundingRect());
    return node;
}

void RoundedPicture::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        update();
}

void RoundedPicture::itemChange(ItemChange change, const ItemChangeData &data)
{
    QQuickItem::itemChange(change, data);
    if (change == ItemDevicePixelRatioHasChanged)
        update();
}
