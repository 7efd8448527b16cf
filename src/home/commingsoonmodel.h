#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

// The placeholder of an app that is not built: it names the app, and a tap on its message asks
// for a new home screen in its place. There is no way back from that.
class CommingSoonModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString AppName READ appName WRITE setAppName NOTIFY appNameChanged)
    Q_PROPERTY(QString message READ message NOTIFY appNameChanged)
    Q_PROPERTY(bool GoHome READ goHome NOTIFY goHomeChanged)

public:
    using QObject::QObject;

    QString appName() const { return m_appName; }
    void setAppName(const QString &name);
    QString message() const { return m_appName + QStringLiteral(" Comming Soon!"); }
    bool goHome() const { return m_goHome; }

    // A tap on the message. Only the first one counts: a second tap while the message fades
    // away would otherwise turn the flag back.
    Q_INVOKABLE void tapMessage();
    // The clock strings of the new home screen, formatted now, at the tap.
    Q_INVOKABLE QVariantMap homeClockStrings() const;

signals:
    void appNameChanged();
    void goHomeChanged();

private:
    QString m_appName;
    bool m_goHome = false;
};
