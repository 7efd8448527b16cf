#include "faceidpasscodemodel.h"

#include "appcontext.h"
#include "settingbinding.h"

FaceIDPasscodeModel::FaceIDPasscodeModel(QObject *parent)
    : QObject(parent),
      m_useBiometrics(
          new SettingBinding(AppContext::current()->settings(), QStringLiteral("Use_FaceID_TouchID"), false, this)),
      m_usePasscode(new SettingBinding(AppContext::current()->settings(), QStringLiteral("Use_Passcode"), false, this)),
      m_passcode(new SettingBinding(AppContext::current()->settings(), QStringLiteral("App_Passcode"), QString(), this))
{
    connect(m_useBiometrics, &SettingBinding::valueChanged, this, &FaceIDPasscodeModel::Use_FaceID_TouchIDChanged);
    connect(m_usePasscode, &SettingBinding::valueChanged, this, &FaceIDPasscodeModel::Use_PasscodeChanged);
    connect(m_passcode, &SettingBinding::valueChanged, this, &FaceIDPasscodeModel::App_PasscodeChanged);
}

bool FaceIDPasscodeModel::useBiometrics() const { return m_useBiometrics->toBool(); }

void FaceIDPasscodeModel::setUseBiometrics(bool on)
{
    if (on != useBiometrics())
        m_useBiometrics->setValue(on);
}

bool FaceIDPasscodeModel::usePasscode() const { return m_usePasscode->toBool(); }

QString FaceIDPasscodeModel::appPasscode() const { return m_passcode->toString(); }

void FaceIDPasscodeModel::listShown()
{
    if (appPasscode().size() < 6 && !appPasscode().isEmpty())
        m_passcode->setValue(QString());
}

void FaceIDPasscodeModel::togglePasscode()
{
    const bool on = !usePasscode();
    m_usePasscode->setValue(on);
    m_useBiometrics->setValue(on);
}

void FaceIDPasscodeModel::startChangePasscode()
{
    if (m_changePasscode || !usePasscode())
        return;
    m_passcode->setValue(QString());
    m_changePasscode = true;
    emit ChangePasscodeChanged();
}

void FaceIDPasscodeModel::pressDigit(const QString &digit)
{
    if (!m_changePasscode || digit.size() != 1 || digit.at(0) < QLatin1Char('0') || digit.at(0) > QLatin1Char('9'))
        return;
    const QString stored = appPasscode();
    if (stored.size() >= 6)
        return;
    m_passcode->setValue(stored + digit);
}
