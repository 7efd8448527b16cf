#include "simulatedbiometrics.h"

#include <QSettings>
#include <QThreadPool>

namespace {
const QString EnrolledKey = QStringLiteral("Biometrics/Enrolled");
}

SimulatedBiometrics::SimulatedBiometrics(const QString &stateFile, const QString &kind, QObject *parent)
    : BiometricAuthenticator(parent), m_stateFile(stateFile), m_kind(kind)
{
    const QVariant stored = QSettings(m_stateFile, QSettings::IniFormat).value(EnrolledKey);
    m_enrolled = stored.isValid() ? stored.toString() != QLatin1String("false") : true;
}

SimulatedBiometrics::~SimulatedBiometrics()
{
    // A check still open when the shell goes away fails; the reply must not be lost silently.
    if (m_pending)
        m_pending(false);
}

void SimulatedBiometrics::setEnrolled(bool enrolled)
{
    if (enrolled == m_enrolled)
        return;
    m_enrolled = enrolled;
    QSettings state(m_stateFile, QSettings::IniFormat);
    state.setValue(EnrolledKey, enrolled);
    state.sync();
    emit enrolledChanged();
}

void SimulatedBiometrics::evaluate(const QString &reason, Reply reply)
{
    if (!m_enrolled) {
        finish(std::move(reply), false);
        return;
    }
    // One sensor, one check at a time: a new request cancels the one still waiting.
    if (m_pending)
        finish(std::exchange(m_pending, nullptr), false);
    m_pending = std::move(reply);
    m_reason = reason;
    emit evaluatingChanged();
}

void SimulatedBiometrics::answer(Answer answer)
{
    if (!m_pending)
        return;
    Reply reply = std::exchange(m_pending, nullptr);
    m_reason.clear();
    emit evaluatingChanged();
    finish(std::move(reply), answer == Matching);
}

void SimulatedBiometrics::finish(Reply reply, bool success)
{
    if (!reply)
        return;
    QThreadPool::globalInstance()->start([reply = std::move(reply), success] { reply(success); });
}
