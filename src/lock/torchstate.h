#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

class TorchDevice;

// Whether the lock screen means the torch to be on. Every assignment after creation, also of
// the value it already holds, switches the device to match; creation never does, so a new lock
// screen leaves a lit torch lit.
class TorchState : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool isOn READ isOn WRITE setIsOn NOTIFY isOnChanged)

public:
    explicit TorchState(QObject *parent = nullptr); // the current application context's torch
    TorchState(TorchDevice *device, QObject *parent = nullptr);

    bool isOn() const { return m_isOn; }
    void setIsOn(bool on);

signals:
    void isOnChanged();

private:
    void switchTorch(bool on);

    TorchDevice *m_device;
    bool m_isOn = false;
};
