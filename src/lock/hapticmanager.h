#pragma once

#include "haptics.h"

#include <QObject>
#include <QQmlEngine>
#include <QtQml/qqmlregistration.h>

// Impact haptics for the screens, used as HapticManager.shared.impact(HapticManager.Heavy).
// The one shared instance forwards to the application context's haptics device.
class HapticManager : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(HapticManager *shared READ shared CONSTANT)

public:
    enum Style { Light, Medium, Heavy, Soft, Rigid };
    Q_ENUM(Style)

    static HapticManager *shared();
    static HapticManager *create(QQmlEngine *, QJSEngine *);

    Q_INVOKABLE void impact(Style style);

private:
    using QObject::QObject;
};
