#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>

// Resident memory of this process in MiB, as the kernel counts it (/proc/self/statm).
inline double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * 4096 / (1024.0 * 1024.0);
}
