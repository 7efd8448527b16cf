#include "storegradient.h"

#include "namedcolors.h"

#include <QPainter>

StoreGradient::StoreGradient(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    setAntialiasing(true);
}

void StoreGradient::setRadius(qreal radius)
{
    if (qFuzzyCompare(radius, m_radius))
        return;
    m_radius = radius;
    emit radiusChanged();
    update();
}

const QLinearGradient &StoreGradient::gradient()
{
    static const QLinearGradient shared = [] {
        QLinearGradient g(0, 0, 1, 1);
        g.setCoordinateMode(QGradient::ObjectMode);
        g.setColorAt(0, NamedColors::gradientColor1());
        g.setColorAt(1, NamedColors::gradientColor2());
        return g;
    }();
    return shared;
}

void StoreGradient::paint(QPainter *painter)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(gradient());
    const qreal radius = qMin(m_radius, qMin(width(), height()) / 2);
    painter->drawRoundedRect(QRectF(0, 0, width(), height()), radius, radius);
}
