#include "torchstate.h"

#include "appcontext.h"
#include "diagnostics.h"
#include "torchdevice.h"

TorchState::TorchState(QObject *parent)
    : TorchState(AppContext::current() ? AppContext::current()->torch() : nullptr, parent)
{
}

TorchState::TorchState(TorchDevice *device, QObject *parent) : QObject(parent), m_device(device) {}

void TorchState::setIsOn(bool on)
{
    const bool changed = on != m_isOn;
    m_isOn = on;
    if (changed)
        emit isOnChanged();
    switchTorch(on);
}

void TorchState::switchTorch(bool on)
{
    if (!m_device)
        return;
    QString error;
    // A refused switch is reported, and the flag keeps what the user asked for.
    if (!m_device->setOn(on, &error))
        kestrel::diagnostic(QStringLiteral("Error: ") + error);
}
