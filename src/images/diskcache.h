#pragma once

#include "imagecacheconfig.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>

// A directory of cached pictures, one file per cache key, named by the key's MD5 digest and
// path extension. Not thread-safe: the image cache uses it from its input/output thread only.
// Read and write failures are not errors here: a failed read is a miss, a failed write leaves
// the picture uncached on disk.
class DiskCache
{
public:
    // Bigger files are never read back (a damaged or planted file must not exhaust memory).
    static constexpr qint64 MaxEntryBytes = 64 * 1024 * 1024;
    // Extended attributes: Linux allows only the "user." namespace to ordinary processes.
    // The backup mark is the freedesktop.org convention backup tools honour.
    static constexpr const char *BackupAttribute = "user.xdg.robots.backup";
    static constexpr const char *MetadataAttribute = "user.com.quillon.DiskCache";
    // An extension this long or longer would push the file name past the 255-byte name limit.
    static constexpr int MaxExtensionLength = 223;
    // A hidden temporary file this old is left by a write that crashed, not one in progress
    // (a write takes milliseconds), even in another instance sharing the directory.
    static constexpr qint64 StaleTemporarySeconds = 10 * 60;

    DiskCache(const QString &directory, const ImageCacheConfig &config);
    virtual ~DiskCache();
    DiskCache(const DiskCache &) = delete;
    DiskCache &operator=(const DiskCache &) = delete;

    QString directory() const { return m_directory; }
    // Lowercase hex MD5 of the key's UTF-8 bytes, then "." and the key's path extension if any.
    static QString fileName(const QString &key);
    QString cachePath(const QString &key) const;

    virtual bool contains(const QString &key) const;
    // The entry's bytes; empty when absent, unreadable or larger than MaxEntryBytes.
    virtual QByteArray data(const QString &key) const;
    // Creates the directory if needed and writes the entry by the writing options.
    virtual bool store(const QByteArray &data, const QString &key);
    // The entry's extra metadata, kept in the MetadataAttribute extended attribute.
    virtual QByteArray extendedData(const QString &key) const;
    virtual bool setExtendedData(const QByteArray &data, const QString &key);
    virtual void remove(const QString &key);
    virtual void clear();
    // Deletes entries at or past the age limit, then trims the rest, oldest first, to below
    // half of maxDiskSize when they exceed it.
    virtual void removeExpiredData(const QDateTime &now);
    void removeExpiredData() { removeExpiredData(QDateTime::currentDateTimeUtc()); }
    // Deletes the temporary files of atomic writes that never finished (the expiry pass does
    // this too).
    void removeStaleTemporaries(const QDateTime &now);

    quint64 totalSize() const;
    quint64 count() const;
    void setConfig(const ImageCacheConfig &config) { m_config = config; }

private:
    QDateTime entryDate(const QString &path) const;

    static constexpr qsizetype MaxRememberedPaths = 4096;

    QString m_directory;
    QString m_prefix; // the directory as entry paths begin with it
    ImageCacheConfig m_config;
    mutable QHash<QString, QString> m_paths; // key -> entry path
};
