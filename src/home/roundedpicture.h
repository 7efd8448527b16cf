#pragma once

#include <QImage>
#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

// A named picture of the bundled artwork stretched to the item and clipped to a rounded
// rectangle, with smooth corners. Painted on the CPU so it needs no shader (the home screen has
// dozens of these) and draws the same on every scene-graph backend.
class RoundedPicture : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY radiusChanged)
    // False while the name has no picture: the item then draws nothing.
    Q_PROPERTY(bool valid READ valid NOTIFY nameChanged)

public:
    explicit RoundedPicture(QQuickItem *parent = nullptr);

    QString name() const { return m_name; }
    void setName(const QString &name);
    qreal radius() const { return m_radius; }
    void setRadius(qreal radius);
    bool valid() const;

    void paint(QPainter *painter) override;

    // The picture rendered at a pixel size, shared by every item showing it at that size.
    static QImage picture(const QString &name, const QSize &pixelSize);

signals:
    void nameChanged();
    void radiusChanged();

private:
    QString m_name;
    qreal m_radius = 0;
};
