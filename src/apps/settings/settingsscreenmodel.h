#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The Settings screen's own state: the digits typed into the passcode gate and the Airplane Mode
// switch. Both are view state: each opening of the app makes a new model, so the switch starts off
// and nothing here is ever stored.
class SettingsScreenModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString Password READ password WRITE setPassword NOTIFY passwordChanged)
    Q_PROPERTY(bool AirplaneMode READ airplaneMode WRITE setAirplaneMode NOTIFY airplaneModeChanged)
    // The list's rows, with the biometry row chosen when the screen is built.
    Q_PROPERTY(QVariantList sections READ sections CONSTANT)

public:
    explicit SettingsScreenModel(QObject *parent = nullptr);

    QString password() const { return m_password; }
    void setPassword(const QString &password);
    bool airplaneMode() const { return m_airplaneMode; }
    void setAirplaneMode(bool on);
    QVariantList sections() const { return m_sections; }

signals:
    void passwordChanged();
    void airplaneModeChanged();

private:
    QString m_password;
    bool m_airplaneMode = false;
    QVariantList m_sections;
};
