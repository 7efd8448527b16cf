#pragma once

#include "appcontext.h"
#include "testfiles.h"

#include <QStringList>
#include <QVariant>

class QQuickItem;

// Test-only controls of an application context, reachable from QML tests as TestSupport.
class TestSupport : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString dataRoot READ dataRoot CONSTANT)

public:
    explicit TestSupport(AppContext *context, QObject *parent = nullptr) : QObject(parent), m_context(context) {}

    QString dataRoot() const { return m_context->dataRoot(); }

    // Empties the settings store, as on a first launch.
    Q_INVOKABLE void clearSettings() { m_context->settings()->clear(); }
    Q_INVOKABLE void setSetting(const QString &key, const QVariant &value) { m_context->settings()->setValue(key, value); }
    Q_INVOKABLE QVariant storedSetting(const QString &key) const; // raw stored text, or undefined
    // Writes a file under the data root (its folder must exist), as a damaged disk would leave it.
    Q_INVOKABLE bool writeFile(const QString &relative, const QString &text) const
    {
        return TestFiles::write(m_context->dataRoot() + u'/' + relative, text.toUtf8());
    }
    // Pins the clock ("2024-01-09T09:41:00", local time); an empty text unpins it.
    Q_INVOKABLE void setNow(const QString &isoLocalTime)
    {
        m_context->clock()->setFixedNow(isoLocalTime.isEmpty() ? QDateTime() : QDateTime::fromString(isoLocalTime, Qt::ISODate));
    }
    Q_INVOKABLE QStringList handOffs() const { return m_context->urlOpener()->handOffs(); }
    // Number of live QObjects under an item (itself included), to show screens are released.
    Q_INVOKABLE int objectCount(QObject *root) const;
    // One line per visible control under `screen` (text, picture, symbol, button, touch area)
    // that lies partly outside the phone's screen: the window's content item, no larger than the
    // device profile's screen. Empty when every control is drawn whole.
    Q_INVOKABLE QStringList clippedControls(QQuickItem *screen) const;
    // One line per visible, enabled control under a screen that a screen reader could not name.
    Q_INVOKABLE QStringList unnamedControls(QQuickItem *screen) const;

private:
    AppContext *m_context;
};
