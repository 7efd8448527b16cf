#include "simulator.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

Simulator::Simulator(const QString &dataRoot, QObject *parent) : QObject(parent), m_dataRoot(dataRoot) {}

QString Simulator::stateFile() const { return QDir(m_dataRoot).filePath(QStringLiteral("simulator.ini")); }

QString Simulator::nextScreenshotPath() const
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (dir.isEmpty() || !QDir().mkpath(dir))
        dir = m_dataRoot;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"));
    return QDir(dir).filePath(QStringLiteral("Kestrel-%1.png").arg(stamp));
}
