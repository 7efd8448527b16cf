#pragma once

#include <QColor>
#include <QObject>
#include <QtQml/qqmlregistration.h>

// The default foreground colour of a part of the screen tree, inherited by everything below
// it: the root sets white for the lock screen and all it shows, and a text or symbol there
// that sets no colour of its own reads `Foreground.color`.
class ForegroundAttached : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)

public:
    explicit ForegroundAttached(QObject *owner);

    QColor color() const;
    void setColor(const QColor &color);

signals:
    void colorChanged();

private:
    QColor m_color; // invalid: not set here, inherit
};

class Foreground : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Foreground is an attached property")
    QML_ATTACHED(ForegroundAttached)

public:
    static ForegroundAttached *qmlAttachedProperties(QObject *owner) { return new ForegroundAttached(owner); }
};
