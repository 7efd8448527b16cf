#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <malloc.h>

// Resident memory of this process in MiB, as the kernel counts it (/proc/self/statm).
inline double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * 4096 / (1024.0 * 1024.0);
}

// Resident memory in MiB by where it lives (/proc/self/smaps): "malloc heap" (the main arena),
// "anonymous" (thread arenas, the script engine's pages, scene-graph buffers, stacks) and "files"
// (mapped libraries and fonts), so growth can be told apart from libraries paged in.
inline QMap<QString, double> residentByKindMiB()
{
    QMap<QString, double> kinds;
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly))
        return kinds;
    QString kind;
    for (const QByteArray &line : smaps.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        if (line.startsWith("Rss:")) {
            kinds[kind] += line.mid(4).trimmed().split(' ').value(0).toDouble() / 1024.0;
        } else if (!line.contains(':') || line.indexOf(' ') < line.indexOf(':')) {
            // A mapping's header: "start-end perms offset dev inode [path]".
            const QList<QByteArray> fields = line.simplified().split(' ');
            const QByteArray path = fields.value(5);
            kind = path == "[heap]" ? QStringLiteral("malloc heap")
                 : path.isEmpty() || path.startsWith('[') ? QStringLiteral("anonymous")
                 : QStringLiteral("files");
        }
    }
    return kinds;
}

inline QString residentByKindText(const QMap<QString, double> &kinds)
{
    QStringList parts;
    for (auto it = kinds.cbegin(); it != kinds.cend(); ++it)
        parts.append(QStringLiteral("%1 %2").arg(it.key()).arg(it.value(), 0, 'f', 1));
    return parts.join(QStringLiteral(", ")) + QStringLiteral(" MiB");
}

// Bytes the allocator has handed out and not had back, in MiB: flat when nothing leaks, however
// the resident size moves with fragmentation.
inline double heapInUseMiB()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

// Bytes the allocator has taken from the system for its arenas, in MiB: the high-water mark of
// the heap. Freed memory the allocator cannot hand back (pieces smaller than a page between
// live blocks) stays resident within it, so resident memory settles once this stops rising.
inline double heapArenasMiB()
{
    return double(mallinfo2().arena) / (1024.0 * 1024.0);
}

// One line of growth between two checkpoints against its goal, e.g.
// "growth 10 -> 1,000 cycles: resident +1.2% (1.012x), heap in use +0.4%; goal under 5%: met".
inline QString growthText(const QString &span, double residentRatio, double heapRatio, double goalPercent)
{
    const double percent = (residentRatio - 1) * 100;
    return QStringLiteral("  growth %1 cycles: resident %2% (%3x), heap in use %4%; goal under %5%: %6\n")
        .arg(span)
        .arg(percent >= 0 ? QStringLiteral("+%1").arg(percent, 0, 'f', 1) : QString::number(percent, 'f', 1))
        .arg(residentRatio, 0, 'f', 3)
        .arg((heapRatio - 1) * 100 >= 0 ? QStringLiteral("+%1").arg((heapRatio - 1) * 100, 0, 'f', 1)
                                        : QString::number((heapRatio - 1) * 100, 'f', 1))
        .arg(goalPercent)
        .arg(percent < goalPercent ? QStringLiteral("met") : QStringLiteral("NOT met"));
}
