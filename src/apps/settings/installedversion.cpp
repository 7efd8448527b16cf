#include "installedversion.h"

#include <QCoreApplication>

QString installedVersion()
{
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? QStringLiteral("Error") : version;
}
