#pragma once

#include <QMetaProperty>
#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

class SettingBinding;

// The gate in front of the passcode settings: asks for the stored passcode unless there is none
// worth checking. The typed digits belong to the Settings screen (its "Password"), so the right
// code keeps the settings reachable until the Settings app is closed.
class PasscodeGateModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    // Any object with a read/write string property "Password" and its notify signal.
    Q_PROPERTY(QObject *screenModel READ screenModel WRITE setScreenModel NOTIFY screenModelChanged)
    Q_PROPERTY(QString Password READ password NOTIFY shownChanged)
    Q_PROPERTY(bool showsSettings READ showsSettings NOTIFY shownChanged)

public:
    explicit PasscodeGateModel(QObject *parent = nullptr);

    QObject *screenModel() const { return m_screen; }
    void setScreenModel(QObject *screen);

    QString password() const;
    // True: the passcode settings page; false: the "Enter Passcode" screen.
    bool showsSettings() const;

    // A keypad key of the "Enter Passcode" screen: appends its digit (only "0" to "9").
    Q_INVOKABLE void pressDigit(const QString &digit);

signals:
    void screenModelChanged();
    void shownChanged();

private:
    void setPassword(const QString &password);
    // Six wrong digits send the user back to an empty entry.
    void evaluate();

    SettingBinding *m_usePasscode;
    SettingBinding *m_passcode;
    QPointer<QObject> m_screen;
    QMetaProperty m_passwordProperty;
};
