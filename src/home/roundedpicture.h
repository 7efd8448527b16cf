#pragma once

#include <QImage>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

// A named picture of the bundled artwork stretched to the item and clipped to a rounded
// rectangle, with smooth corners. The rounded picture is drawn once on the CPU (no shader, the
// same on every scene-graph backend) and shared by every item showing it at the same pixel size
// and radius, so dozens of icons on several home screens keep no image of their own.
class RoundedPicture : public QQuickItem
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

    // The picture rendered at a pixel size with its corners rounded by a pixel radius, shared by
    // every item showing it so. Safe to call from any thread.
    static QImage picture(const QString &name, const QSize &pixelSize, qreal pixelRadius);

signals:
    void nameChanged();
    void radiusChanged();

protected:
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData &data) override;

private:
    QString m_name;
    qreal m_radius = 0;
    // What the node's texture shows, so it is made again only when one of these changes.
    QString m_nodeKey;
};
