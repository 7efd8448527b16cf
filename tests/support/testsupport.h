#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>

class AppContext;
class QQuickItem;

// Test-only controls of an application context, reachable from QML tests as TestSupport.
class TestSupport : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString dataRoot READ dataRoot CONSTANT)

public:
    explicit TestSupport(AppContext *context, QObject *parent = nullptr);

    QString dataRoot() const;

    // Empties the settings store, as on a first launch.
    Q_INVOKABLE void clearSettings();
    Q_INVOKABLE void setSetting(const QString &key, const QVariant &value);
    Q_INVOKABLE QVariant storedSetting(const QString &key) const; // raw stored text, or undefined
    // Pins the clock ("2024-01-09T09:41:00", local time); an empty text unpins it.
    Q_INVOKABLE void setNow(const QString &isoLocalTime);
    Q_INVOKABLE QStringList handOffs() const;
    // Number of live QObjects under an item (itself included), to show screens are released.
    Q_INVOKABLE int objectCount(QObject *root) const;
    // One line per visible control under `screen` (text, picture, symbol, button, touch area)
    // that lies partly outside the phone's screen: the window's content item, no larger than the
    // device profile's screen. Empty when every control is drawn whole.
    Q_INVOKABLE QStringList clippedControls(QQuickItem *screen) const;

private:
    AppContext *m_context;
};
