#pragma once

#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

// Renders the icon pictures of a home screen's first frame into the shared picture cache, on a
// worker thread, once the item is in a window (whose pixel ratio they are drawn at). Made while
// the lock screen waits, so "Press home to open" finds them ready instead of rendering dozens of
// vector pictures before its first frame.
class HomePreparation : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit HomePreparation(QQuickItem *parent = nullptr);

    // A picture a home screen's first frame draws: its name, pixel size and corner radius in pixels.
    struct Picture {
        QString name;
        QSize size;
        qreal radius = 0;
        bool operator==(const Picture &) const = default;
    };
    static QList<Picture> firstFramePictures(qreal screenWidth, qreal devicePixelRatio);

protected:
    void itemChange(ItemChange change, const ItemChangeData &data) override;

private:
    bool m_started = false;
};
