#pragma once

#include <QLinearGradient>
#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

// A rounded rectangle (a circle when the radius is half a square's side) filled with the store
// gradient: "GradientColor1" at the top-leading corner to "GradientColor2" at the bottom-trailing
// one. Qt Quick's own gradients run only along one axis, and shader effects are missing from the
// software renderer, so it is painted.
class StoreGradient : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY radiusChanged)

public:
    explicit StoreGradient(QQuickItem *parent = nullptr);

    qreal radius() const { return m_radius; }
    void setRadius(qreal radius);

    void paint(QPainter *painter) override;

    // Made once and shared by every item; it stretches to each item's bounds.
    static const QLinearGradient &gradient();

signals:
    void radiusChanged();

private:
    qreal m_radius = 0;
};
