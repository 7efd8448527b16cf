#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

class SettingBinding;

// The passcode settings page: turning the passcode on and off, biometric unlock, and making a new
// passcode digit by digit. Every change is written to the settings store at once, so the lock
// and passcode screens obey it without being told.
class FaceIDPasscodeModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool Use_FaceID_TouchID READ useBiometrics WRITE setUseBiometrics NOTIFY Use_FaceID_TouchIDChanged)
    Q_PROPERTY(bool Use_Passcode READ usePasscode NOTIFY Use_PasscodeChanged)
    Q_PROPERTY(QString App_Passcode READ appPasscode NOTIFY App_PasscodeChanged)
    Q_PROPERTY(bool ChangePasscode READ changePasscode NOTIFY ChangePasscodeChanged)

public:
    explicit FaceIDPasscodeModel(QObject *parent = nullptr);

    bool useBiometrics() const;
    void setUseBiometrics(bool on);
    bool usePasscode() const;
    QString appPasscode() const;
    bool changePasscode() const { return m_changePasscode; }

    // The list came into view: a stored passcode of fewer than six digits is an unfinished one
    // and is discarded.
    Q_INVOKABLE void listShown();
    // "Turn Passcode On" / "Turn Passcode Off": biometric unlock follows the passcode. The stored
    // code is kept, so turning the passcode back on restores it.
    Q_INVOKABLE void togglePasscode();
    // "Change Passcode": the "Make A Passcode" screen, starting from no stored passcode.
    Q_INVOKABLE void startChangePasscode();
    // A key of "Make A Passcode": each digit is stored at once; presses after the sixth are ignored.
    Q_INVOKABLE void pressDigit(const QString &digit);

signals:
    void Use_FaceID_TouchIDChanged();
    void Use_PasscodeChanged();
    void App_PasscodeChanged();
    void ChangePasscodeChanged();

private:
    SettingBinding *m_useBiometrics;
    SettingBinding *m_usePasscode;
    SettingBinding *m_passcode;
    bool m_changePasscode = false;
};
