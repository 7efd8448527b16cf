#pragma once

#include <QObject>
#include <QString>
#include <functional>

// The phone's biometric sensor. The reply may come from any thread; callers bring its effect to
// the GUI thread themselves.
class BiometricAuthenticator : public QObject
{
    Q_OBJECT

public:
    using Reply = std::function<void(bool success)>;

    using QObject::QObject;
    // Whether a biometric check can run at all (sensor present and enrolled).
    virtual bool canEvaluate() const = 0;
    // Starts a check that shows the reason to the user; reply is called once.
    virtual void evaluate(const QString &reason, Reply reply) = 0;
};
