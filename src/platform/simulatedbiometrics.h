#pragma once

#include "biometricauthenticator.h"

#include <QtQml/qqmlregistration.h>

// The simulator's biometric sensor. Enrolled by default (persisted in simulator.ini); while a
// check runs, the simulator shows an overlay with the reason and the user answers Matching,
// Non-matching or Cancel. The answer is delivered from a worker thread, as a real sensor's is.
class SimulatedBiometrics : public BiometricAuthenticator
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Owned by AppContext")
    Q_PROPERTY(bool enrolled READ enrolled WRITE setEnrolled NOTIFY enrolledChanged)
    Q_PROPERTY(bool evaluating READ evaluating NOTIFY evaluatingChanged)
    Q_PROPERTY(QString reason READ reason NOTIFY evaluatingChanged)
    Q_PROPERTY(QString kind READ kind CONSTANT)

public:
    enum Answer { Matching, NonMatching, Cancel };
    Q_ENUM(Answer)

    SimulatedBiometrics(const QString &stateFile, const QString &kind, QObject *parent = nullptr);
    ~SimulatedBiometrics() override;

    bool canEvaluate() const override { return m_enrolled; }
    void evaluate(const QString &reason, Reply reply) override;

    bool enrolled() const { return m_enrolled; }
    void setEnrolled(bool enrolled);
    bool evaluating() const { return bool(m_pending); }
    QString reason() const { return m_reason; }
    QString kind() const { return m_kind; }

    // The user's answer to the running check (the overlay's buttons and shortcuts).
    Q_INVOKABLE void answer(Answer answer);

signals:
    void enrolledChanged();
    void evaluatingChanged();

private:
    void finish(Reply reply, bool success);

    QString m_stateFile;
    QString m_kind;
    bool m_enrolled = true;
    Reply m_pending;
    QString m_reason;
};
