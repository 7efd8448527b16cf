#include "testsupport.h"

#include "accessibilitywalker.h"
#include "appcontext.h"

#include <QQuickItem>
#include <QSettings>

TestSupport::TestSupport(AppContext *context, QObject *parent) : QObject(parent), m_context(context) {}

QString TestSupport::dataRoot() const { return m_context->dataRoot(); }

void TestSupport::clearSettings() { m_context->settings()->clear(); }

void TestSupport::setSetting(const QString &key, const QVariant &value)
{
    m_context->settings()->setValue(key, value);
}

QVariant TestSupport::storedSetting(const QString &key) const
{
    QSettings raw(m_context->settings()->filePath(), QSettings::IniFormat);
    return raw.value(key);
}

void TestSupport::setNow(const QString &isoLocalTime)
{
    m_context->clock()->setFixedNow(isoLocalTime.isEmpty() ? QDateTime()
                                                           : QDateTime::fromString(isoLocalTime, Qt::ISODate));
}

QStringList TestSupport::handOffs() const { return m_context->urlOpener()->handOffs(); }

int TestSupport::objectCount(QObject *root) const
{
    if (!root)
        return 0;
    int count = 1;
    for (QObject *child : root->children())
        count += objectCount(child);
    if (auto *item = qobject_cast<QQuickItem *>(root)) {
        for (QQuickItem *child : item->childItems())
            if (child->parent() != root)
                count += objectCount(child);
    }
    return count;
}

QStringList TestSupport::unnamedControls(QQuickItem *screen) const { return AccessibilityWalker::unnamedControls(screen); }
