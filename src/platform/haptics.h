#pragma once

#include <QObject>

// Impact feedback, with the five impact styles of a phone.
class Haptics : public QObject
{
    Q_OBJECT

public:
    enum class ImpactStyle { Light, Medium, Heavy, Soft, Rigid };
    Q_ENUM(ImpactStyle)

    using QObject::QObject;
    virtual void impact(ImpactStyle style) = 0;
};
