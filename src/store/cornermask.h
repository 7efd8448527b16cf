#pragma once

#include <QColor>
#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

// Rounds the corners of whatever lies under it by painting the backdrop's colour outside a
// rounded rectangle of its bounds. Remote pictures are drawn by a plain image node, and a
// clipping mask would need shader effects the software renderer lacks; over a plain backdrop
// this looks the same.
class CornerMask : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY radiusChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)

public:
    explicit CornerMask(QQuickItem *parent = nullptr);

    qreal radius() const { return m_radius; }
    void setRadius(qreal radius);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);

    void paint(QPainter *painter) override;

signals:
    void radiusChanged();
    void colorChanged();

private:
    qreal m_radius = 0;
    QColor m_color;
};
