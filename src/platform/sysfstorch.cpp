#include "sysfstorch.h"

#include <QDir>
#include <QFile>

SysfsTorch::SysfsTorch(const QString &ledClassDir, QObject *parent) : QObject(parent)
{
    const QDir dir(ledClassDir);
    const QStringList entries = dir.entryList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    for (const QString &name : entries) {
        if (name.endsWith(QLatin1String(":torch")) || name.endsWith(QLatin1String(":flash"))) {
            m_led = dir.filePath(name);
            break;
        }
    }
}

bool SysfsTorch::setOn(bool on, QString *error)
{
    if (m_lit != on) {
        m_lit = on;
        emit litChanged();
    }
    if (m_led.isEmpty())
        return true;

    QByteArray level = "0";
    if (on) {
        QFile max(m_led + QStringLiteral("/max_brightness"));
        if (!max.open(QIODevice::ReadOnly)) {
            *error = max.errorString();
            return false;
        }
        level = max.readAll().trimmed();
        bool ok = false;
        if (level.toLongLong(&ok) <= 0 || !ok)
            level = "1";
    }
    QFile brightness(m_led + QStringLiteral("/brightness"));
    if (!brightness.open(QIODevice::WriteOnly) || brightness.write(level + '\n') < 0 || !brightness.flush()) {
        *error = brightness.errorString();
        return false;
    }
    return true;
}
