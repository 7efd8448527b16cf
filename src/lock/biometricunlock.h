#pragma once

#include <QObject>
#include <functional>

// The biometric check of the lock and passcode screens: only when a passcode and biometrics are
// both switched on and the sensor can evaluate; onSuccess runs on the GUI thread, and never
// once owner is gone.
void requestBiometricUnlock(QObject *owner, std::function<void()> onSuccess);

inline constexpr const char *BiometricReason = "To Unlock Kestrel";
