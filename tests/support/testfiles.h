#pragma once

#include <QByteArray>
#include <QFile>

// Whole-file writes and reads for tests that set files up on disk or look at what was stored.
namespace testfiles {

inline bool write(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

inline QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace testfiles
