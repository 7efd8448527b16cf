#include "unlockscreenmodel.h"

#include "appcontext.h"
#include "biometricunlock.h"
#include "flowcurve.h"
#include "settingbinding.h"

UnlockscreenModel::UnlockscreenModel(QObject *parent)
    : QObject(parent),
      m_passcode(new SettingBinding(AppContext::current()->settings(), QStringLiteral("App_Passcode"), QString(), this)),
      m_useBiometrics(
          new SettingBinding(AppContext::current()->settings(), QStringLiteral("Use_FaceID_TouchID"), false, this))
{
    connect(m_passcode, &SettingBinding::valueChanged, this, &UnlockscreenModel::resultChanged);
    connect(m_useBiometrics, &SettingBinding::valueChanged, this, &UnlockscreenModel::titleChanged);
}

void UnlockscreenModel::setCurrentPage(int page)
{
    if (page == m_currentPage)
        return;
    m_currentPage = page;
    emit CurrentPageChanged();
}

QString UnlockscreenModel::storedPasscode() const { return m_passcode->toString(); }

UnlockscreenModel::Result UnlockscreenModel::result() const
{
    if (m_password == storedPasscode())
        return Correct;
    if (m_password.size() == 6)
        return ClearEntry;
    return NoResult;
}

QString UnlockscreenModel::title() const
{
    if (!m_useBiometrics->toBool())
        return QStringLiteral("Enter Passcode");
    return AppContext::current()->device()->faceId() ? QStringLiteral("Face ID or Enter Passcode")
                                                     : QStringLiteral("Touch ID or Enter Passcode");
}

UnlockscreenModel::Screen UnlockscreenModel::shown() const
{
    if (!m_unlcokButton)
        return NewLockscreen;
    if (m_unlocked)
        return Home;
    return Keypad;
}

int UnlockscreenModel::transitionEasing() const { return FlowCurve::EaseIn; }

void UnlockscreenModel::setPassword(const QString &password)
{
    if (password == m_password)
        return;
    const Result before = result();
    m_password = password;
    emit PasswordChanged();
    if (result() != before)
        emit resultChanged();
}

void UnlockscreenModel::pressDigit(const QString &digit)
{
    if (shown() != Keypad || digit.size() != 1 || digit.at(0) < QLatin1Char('0') || digit.at(0) > QLatin1Char('9'))
        return;
    setPassword(m_password + digit);
}

void UnlockscreenModel::pressDelete()
{
    if (shown() != Keypad || m_password.isEmpty())
        return;
    setPassword(m_password.chopped(1));
}

void UnlockscreenModel::pressCancel()
{
    if (shown() != Keypad || !m_password.isEmpty())
        return;
    m_unlcokButton = !m_unlcokButton;
    emit shownChanged();
}

void UnlockscreenModel::resultAppeared()
{
    if (shown() != Keypad)
        return;
    switch (result()) {
    case Correct:
        m_unlocked = !m_unlocked;
        emit shownChanged();
        break;
    case ClearEntry:
        setPassword(QString());
        break;
    case NoResult:
        break;
    }
}

void UnlockscreenModel::contentAppeared()
{
    requestBiometricUnlock(this, [this] {
        if (shown() == Keypad)
            setPassword(storedPasscode());
    });
}

QVariantMap UnlockscreenModel::homeClockStrings() const { return AppContext::current()->clock()->clockStrings(); }
