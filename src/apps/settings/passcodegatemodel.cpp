#include "passcodegatemodel.h"

#include "appcontext.h"
#include "settingbinding.h"

PasscodeGateModel::PasscodeGateModel(QObject *parent)
    : QObject(parent),
      m_usePasscode(new SettingBinding(AppContext::current()->settings(), QStringLiteral("Use_Passcode"), false, this)),
      m_passcode(new SettingBinding(AppContext::current()->settings(), QStringLiteral("App_Passcode"), QString(), this))
{
    // The gate is decided anew whenever the stored choice changes, also from the page behind it.
    connect(m_usePasscode, &SettingBinding::valueChanged, this, &PasscodeGateModel::evaluate);
    connect(m_passcode, &SettingBinding::valueChanged, this, &PasscodeGateModel::evaluate);
}

void PasscodeGateModel::setScreenModel(QObject *screen)
{
    if (screen == m_screen)
        return;
    if (m_screen)
        disconnect(m_screen, nullptr, this, nullptr);
    m_screen = screen;
    m_passwordProperty = QMetaProperty();
    if (screen) {
        const QMetaObject *meta = screen->metaObject();
        const int index = meta->indexOfProperty("Password");
        if (index >= 0 && meta->property(index).isWritable()) {
            m_passwordProperty = meta->property(index);
            if (m_passwordProperty.hasNotifySignal())
                connect(screen, m_passwordProperty.notifySignal(), this,
                        QMetaMethod::fromSignal(&PasscodeGateModel::shownChanged));
        }
    }
    emit screenModelChanged();
    emit shownChanged();
    evaluate();
}

QString PasscodeGateModel::password() const
{
    return m_screen && m_passwordProperty.isValid() ? m_passwordProperty.read(m_screen).toString() : QString();
}

void PasscodeGateModel::setPassword(const QString &password)
{
    if (!m_screen || !m_passwordProperty.isValid() || password == this->password())
        return;
    m_passwordProperty.write(m_screen, password);
    if (!m_passwordProperty.hasNotifySignal())
        emit shownChanged();
}

bool PasscodeGateModel::showsSettings() const
{
    if (!m_usePasscode->toBool())
        return true;
    const QString stored = m_passcode->toString();
    // Fewer than six stored digits is no passcode at all.
    if (stored.size() <= 5)
        return true;
    const QString typed = password();
    return typed.size() == 6 && typed == stored;
}

void PasscodeGateModel::evaluate()
{
    emit shownChanged();
    if (!showsSettings() && password().size() == 6)
        setPassword(QString());
}

void PasscodeGateModel::pressDigit(const QString &digit)
{
    if (showsSettings() || digit.size() != 1 || digit.at(0) < QLatin1Char('0') || digit.at(0) > QLatin1Char('9'))
        return;
    setPassword(password() + digit);
    evaluate();
}
