#include "cornermask.h"

#include <QPainter>
#include <QPainterPath>

CornerMask::CornerMask(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    setAntialiasing(true);
}

void CornerMask::setRadius(qreal radius)
{
    if (qFuzzyCompare(radius, m_radius))
        return;
    m_radius = radius;
    emit radiusChanged();
    update();
}

void CornerMask::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    emit colorChanged();
    update();
}

void CornerMask::paint(QPainter *painter)
{
    const QRectF bounds(0, 0, width(), height());
    QPainterPath outside;
    outside.addRect(bounds);
    QPainterPath inside;
    inside.addRoundedRect(bounds, m_radius, m_radius);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillPath(outside.subtracted(inside), m_color);
}
