#include "settingsstore.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// QSettings writes a temporary file, syncs its data and renames it over the old file, but never
// syncs the directory, so the rename itself may be lost in a power cut; and it ignores a failed
// sync. Syncing the file again and then its directory makes "stored" mean on the disk.
bool syncToDisk(const QString &filePath)
{
    const auto syncPath = [](const QString &path, int flags) {
        const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
        if (fd < 0)
            return false;
        // EINVAL: a file system that cannot sync (a directory on some); nothing more to do there.
        const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
        ::close(fd);
        return ok;
    };
    return (!QFileInfo::exists(filePath) || syncPath(filePath, O_RDONLY))
           && syncPath(QFileInfo(filePath).absolutePath(), O_RDONLY | O_DIRECTORY);
}

} // namespace

SettingsStore::SettingsStore(const QString &filePath, QObject *parent)
    : QObject(parent), m_filePath(filePath)
{
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    m_settings = std::make_unique<QSettings>(filePath, QSettings::IniFormat);
    m_settings->allKeys(); // forces the file to be read so status() is meaningful
    if (m_settings->status() == QSettings::FormatError) {
        // Keep the unreadable file for the user instead of letting the next write destroy it.
        m_settings.reset();
        const QString broken = filePath + QStringLiteral(".broken");
        QFile::remove(broken);
        if (!QFile::rename(filePath, broken))
            QFile::copy(filePath, broken);
        QFile::remove(filePath);
        m_settings = std::make_unique<QSettings>(filePath, QSettings::IniFormat);
    }
}

SettingsStore::~SettingsStore() = default;

std::optional<QVariant> SettingsStore::convert(const QVariant &v, const QVariant &defaultValue)
{
    const int target = defaultValue.typeId();
    const int source = v.typeId();
    switch (target) {
    case QMetaType::Bool:
        if (source == QMetaType::Bool)
            return v;
        if (source == QMetaType::QString || source == QMetaType::QByteArray) {
            const QString text = v.toString();
            if (text == QLatin1String("true"))
                return QVariant(true);
            if (text == QLatin1String("false"))
                return QVariant(false);
        }
        return std::nullopt;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        bool ok = false;
        qlonglong n = 0;
        if (source == QMetaType::QString || source == QMetaType::QByteArray) {
            n = v.toString().toLongLong(&ok);
        } else if (source == QMetaType::Double || source == QMetaType::Float) {
            const double d = v.toDouble();
            ok = d == double(qlonglong(d)) && d >= -9.2e18 && d <= 9.2e18;
            n = qlonglong(d);
        } else if (source == QMetaType::Int || source == QMetaType::LongLong || source == QMetaType::UInt
                   || source == QMetaType::Long || source == QMetaType::ULongLong) {
            n = v.toLongLong(&ok);
        }
        if (!ok)
            return std::nullopt;
        return QVariant(n);
    }
    case QMetaType::Double: {
        bool ok = false;
        const double d = v.toDouble(&ok);
        if (!ok || source == QMetaType::Bool)
            return std::nullopt;
        return QVariant(d);
    }
    case QMetaType::QString:
        if (source == QMetaType::QString)
            return v;
        return std::nullopt;
    case QMetaType::QByteArray:
        if (source == QMetaType::QByteArray)
            return v;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

QVariant SettingsStore::value(const QString &key, const QVariant &defaultValue) const
{
    const QVariant stored = m_settings->value(key);
    if (!stored.isValid())
        return defaultValue;
    // A value of another type than the reader expects reads as the default and stays stored.
    return convert(stored, defaultValue).value_or(defaultValue);
}

bool SettingsStore::contains(const QString &key) const { return m_settings->contains(key); }

bool SettingsStore::setValue(const QString &key, const QVariant &v)
{
    QVariant stored = v;
    // INI keeps text; store integers and booleans in their canonical text form.
    if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong)
        stored = QString::number(v.toLongLong());
    m_settings->setValue(key, stored);
    return commit(key);
}

std::optional<QByteArray> SettingsStore::data(const QString &key) const
{
    const QVariant stored = m_settings->value(key);
    if (stored.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    return stored.toByteArray();
}

bool SettingsStore::setData(const QString &key, const QByteArray &bytes)
{
    m_settings->setValue(key, bytes);
    return commit(key);
}

bool SettingsStore::remove(const QString &key)
{
    m_settings->remove(key);
    return commit(key);
}

bool SettingsStore::clear()
{
    const QStringList keys = m_settings->allKeys();
    m_settings->clear();
    m_settings->sync();
    const bool ok = m_settings->status() == QSettings::NoError && syncToDisk(m_filePath);
    for (const QString &key : keys)
        emit valueChanged(key);
    return ok;
}

bool SettingsStore::commit(const QString &key)
{
    m_settings->sync();
    const bool ok = m_settings->status() == QSettings::NoError && syncToDisk(m_filePath);
    // Bindings are told either way: the in-memory value has changed for this run even when the
    // disk refused it, and showing what the user chose beats showing a stale value.
    emit valueChanged(key);
    return ok;
}
