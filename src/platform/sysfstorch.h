#pragma once

#include "torchdevice.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

// The phone's torch on Linux: the first LED of the LED class whose name ends in ":torch" or
// ":flash". Where there is none the torch is absent and switching does nothing. The simulator
// shows whether the torch was last switched on, LED or not.
class SysfsTorch : public QObject, public TorchDevice
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Owned by AppContext")
    Q_PROPERTY(bool lit READ lit NOTIFY litChanged)

public:
    explicit SysfsTorch(const QString &ledClassDir = QStringLiteral("/sys/class/leds"), QObject *parent = nullptr);

    bool isAvailable() const override { return !m_led.isEmpty(); }
    bool setOn(bool on, QString *error) override;

    QString ledPath() const { return m_led; }
    bool lit() const { return m_lit; }

signals:
    void litChanged();

private:
    QString m_led;
    bool m_lit = false;
};
