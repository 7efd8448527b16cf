#pragma once

#include <QObject>
#include <QPointer>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

class SettingsStore;

// A binding to one settings key with a default: reading gives the stored value (or the default),
// writing stores at once. It holds no copy of the value; every binding on the key re-reads and
// notifies when any of them, anywhere, writes.
//
// QML:  Setting { id: usePasscode; key: "Use_Passcode"; defaultValue: false }
// C++:  SettingBinding usePasscode(store, "Use_Passcode", false);
class SettingBinding : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(Setting)
    Q_PROPERTY(QString key READ key WRITE setKey NOTIFY keyChanged)
    Q_PROPERTY(QVariant defaultValue READ defaultValue WRITE setDefaultValue NOTIFY defaultValueChanged)
    Q_PROPERTY(QVariant value READ value WRITE setValue NOTIFY valueChanged)

public:
    explicit SettingBinding(QObject *parent = nullptr); // QML: uses the current application context's store
    SettingBinding(SettingsStore *store, const QString &key, const QVariant &defaultValue,
                   QObject *parent = nullptr);

    QString key() const { return m_key; }
    void setKey(const QString &key);
    QVariant defaultValue() const { return m_default; }
    void setDefaultValue(const QVariant &value);

    QVariant value() const;
    // Converts to the default's type first; a value that cannot be stored as that type is refused.
    bool setValue(const QVariant &value);

    bool toBool() const { return value().toBool(); }
    qint64 toInteger() const { return value().toLongLong(); }
    QString toString() const { return value().toString(); }

signals:
    void keyChanged();
    void defaultValueChanged();
    void valueChanged();

private:
    void attach(SettingsStore *store);

    QPointer<SettingsStore> m_store;
    QString m_key;
    QVariant m_default;
};
