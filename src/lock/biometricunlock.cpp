#include "biometricunlock.h"

#include "appcontext.h"

#include <QCoreApplication>
#include <QPointer>

void requestBiometricUnlock(QObject *owner, std::function<void()> onSuccess)
{
    AppContext *context = AppContext::current();
    if (!context)
        return;
    SettingsStore *settings = context->settings();
    if (!settings->value(QStringLiteral("Use_Passcode"), false).toBool()
        || !settings->value(QStringLiteral("Use_FaceID_TouchID"), false).toBool())
        return;
    BiometricAuthenticator *sensor = context->biometrics();
    if (!sensor->canEvaluate())
        return;

    QPointer<QObject> guard(owner);
    sensor->evaluate(QLatin1String(BiometricReason), [guard, onSuccess = std::move(onSuccess)](bool success) {
        if (!success)
            return;
        // The reply may come from any thread: hop to the GUI thread before touching the screen.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [guard, onSuccess] {
                if (guard)
                    onSuccess();
            },
            Qt::QueuedConnection);
    });
}
