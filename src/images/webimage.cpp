#include "webimage.h"

#include <QQuickWindow>
#include <QSGImageNode>
#include <QSGTexture>

WebImage::WebImage(QQuickItem *parent) : QQuickItem(parent), m_manager(new ImageManager(this))
{
    setFlag(ItemHasContents);
    connect(m_manager, &ImageManager::imageChanged, this, &WebImage::takeImage);
    connect(m_manager, &ImageManager::urlChanged, this, &WebImage::urlChanged);
}

WebImage::~WebImage()
{
    // Going away is the last disappearance.
    disappear();
}

void WebImage::setUrl(const QUrl &url)
{
    if (url == m_manager->url())
        return;
    m_manager->setUrl(url);
    // A new address is new content: it loads at once if the view is made and on screen.
    if (isComponentComplete())
        m_manager->load();
}

void WebImage::setResizable(bool resizable)
{
    if (resizable == m_resizable)
        return;
    m_resizable = resizable;
    emit resizableChanged();
    update();
}

void WebImage::setFillMode(FillMode mode)
{
    if (mode == m_fillMode)
        return;
    m_fillMode = mode;
    emit fillModeChanged();
    update();
}

void WebImage::componentComplete()
{
    QQuickItem::componentComplete();
    // The first time the content is made, the model loads.
    if (m_manager->isFirstLoad())
        m_manager->load();
    updateAppearance();
}

void WebImage::itemChange(ItemChange change, const ItemChangeData &value)
{
    QQuickItem::itemChange(change, value);
    if (change == ItemVisibleHasChanged || change == ItemSceneChange)
        updateAppearance();
}

void WebImage::updateAppearance()
{
    const bool appeared = isComponentComplete() && window() && isVisible();
    if (appeared == m_appeared)
        return;
    m_appeared = appeared;
    if (appeared)
        appear();
    else
        disappear();
}

void WebImage::appear()
{
    if (m_manager->isFirstLoad())
        m_manager->load();
    else if (m_retryOnAppear && !m_manager->hasImage() && !m_manager->isIncremental())
        m_manager->load();
}

void WebImage::disappear()
{
    if (m_cancelOnDisappear && !m_manager->hasImage() && !m_manager->isIncremental())
        m_manager->cancel();
}

void WebImage::takeImage()
{
    const bool had = hasImage();
    m_image = m_manager->image();
    m_textureDirty = true;
    const qreal ratio = m_image.isNull() ? 1.0 : m_image.devicePixelRatio();
    setImplicitSize(m_image.width() / ratio, m_image.height() / ratio);
    if (had != hasImage())
        emit hasImageChanged();
    update();
}

QSGNode *WebImage::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *node = static_cast<QSGImageNode *>(oldNode);
    if (m_image.isNull() || width() <= 0 || height() <= 0) {
        delete node;
        m_textureDirty = true;
        return nullptr;
    }
    if (!node) {
        node = window()->createImageNode();
        node->setOwnsTexture(true);
        m_textureDirty = true;
    }
    if (m_textureDirty) {
        node->setTexture(window()->createTextureFromImage(m_image));
        m_textureDirty = false;
    }
    node->setFiltering(smooth() ? QSGTexture::Linear : QSGTexture::Nearest);

    const QSizeF imageSize(m_image.width() / m_image.devicePixelRatio(), m_image.height() / m_image.devicePixelRatio());
    const QSizeF bounds(width(), height());
    QRectF target(QPointF(0, 0), bounds);
    QRectF source(QPointF(0, 0), m_image.size());
    if (!m_resizable) {
        // Its own size, centred in whatever frame the screen gives it.
        target = QRectF(QPointF((bounds.width() - imageSize.width()) / 2, (bounds.height() - imageSize.height()) / 2),
                        imageSize);
    } else if (m_fillMode == PreserveAspectFit) {
        const QSizeF fitted = imageSize.scaled(bounds, Qt::KeepAspectRatio);
        target = QRectF(QPointF((bounds.width() - fitted.width()) / 2, (bounds.height() - fitted.height()) / 2), fitted);
    } else if (m_fillMode == PreserveAspectCrop) {
        // Show the centre part of the picture that has the frame's proportions.
        const QSizeF cropped = bounds.scaled(m_image.size(), Qt::KeepAspectRatio);
        source = QRectF(QPointF((m_image.width() - cropped.width()) / 2, (m_image.height() - cropped.height()) / 2),
                        cropped);
    }
    node->setRect(target);
    node->setSourceRect(source);
    return node;
}
