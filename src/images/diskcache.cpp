#include "diskcache.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <vector>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <sys/xattr.h>

namespace {

// The last path component's extension ("png" of ".../icon.png?size=2"), as a URL when the key
// parses as one, else from the key text itself.
QString pathExtension(const QString &key)
{
    const QUrl url(key, QUrl::StrictMode);
    QString path = url.isValid() && !url.scheme().isEmpty() ? url.path(QUrl::FullyDecoded) : key;
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    const QString component = path.section(QLatin1Char('/'), -1);
    const qsizetype dot = component.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0) // no dot, or a hidden-file name such as ".png"
        return {};
    return component.mid(dot + 1);
}

QByteArray localPath(const QString &path) { return QFile::encodeName(path); }

// The temporary name of an atomic write: "." + the 32-digit digest + "." + six random characters.
QString temporaryTemplate(const QString &digest) { return QLatin1Char('.') + digest + QStringLiteral(".XXXXXX"); }

bool isTemporaryName(const QString &name)
{
    if (name.size() != 40 || name[0] != QLatin1Char('.') || name[33] != QLatin1Char('.'))
        return false;
    return std::all_of(name.begin() + 1, name.begin() + 33, [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
    });
}

quint64 allocatedSize(const QString &path)
{
    struct stat status {};
    if (::lstat(localPath(path).constData(), &status) != 0)
        return 0;
    return quint64(status.st_blocks) * 512;
}

} // namespace

DiskCache::DiskCache(const QString &directory, const ImageCacheConfig &config)
    : m_directory(directory), m_prefix(QDir(directory).path()), m_config(config)
{
    if (!m_prefix.endsWith(QLatin1Char('/')))
        m_prefix += QLatin1Char('/');
}

DiskCache::~DiskCache() = default;

QString DiskCache::fileName(const QString &key)
{
    const QString digest = QString::fromLatin1(QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Md5).toHex());
    const QString extension = pathExtension(key);
    // Limited in characters, and in bytes too so a non-ASCII extension still fits the name.
    if (extension.isEmpty() || extension.size() >= MaxExtensionLength
        || extension.toUtf8().size() >= MaxExtensionLength || extension.contains(QChar(0)))
        return digest;
    return digest + QLatin1Char('.') + extension;
}

QString DiskCache::cachePath(const QString &key) const
{
    // A screenful of icons asks for the same keys again and again; their paths are remembered
    // (the digest and the URL parse cost more than the lookup).
    if (const auto known = m_paths.constFind(key); known != m_paths.constEnd())
        return *known;
    if (m_paths.size() >= MaxRememberedPaths)
        m_paths.clear();
    return *m_paths.insert(key, m_prefix + fileName(key));
}

bool DiskCache::contains(const QString &key) const { return QFileInfo::exists(cachePath(key)); }

QByteArray DiskCache::data(const QString &key) const
{
    // Plain system calls: one open, one status, one read of the exact size, no buffering.
    const int fd = ::open(localPath(cachePath(key)).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK); // a planted pipe must not block
    if (fd < 0)
        return {};
    QByteArray data;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0 && status.st_size <= MaxEntryBytes) {
        data.resize(qsizetype(status.st_size));
        qsizetype done = 0;
        while (done < data.size()) {
            const ssize_t got = ::read(fd, data.data() + done, size_t(data.size() - done));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            done += got;
        }
        data.truncate(done); // a file cut short meanwhile reads as what is there
    }
    ::close(fd);
    return data;
}

bool DiskCache::store(const QByteArray &data, const QString &key)
{
    if (data.isEmpty() || !QDir().mkpath(m_directory))
        return false;
    const QString path = cachePath(key);
    bool written = false;
    if (m_config.diskCacheWritingOptions & ImageCacheConfig::AtomicWrite) {
        // A temporary file renamed over the entry: readers see the old bytes or the new, never
        // half. No sync to disk: after a crash an entry may be empty, which reads as a miss.
        // The temporary name is short (the entry's own name may already be 255 bytes long) and
        // hidden, so the expiry pass and the counts never take it for an entry.
        const QString digest = fileName(key).left(32);
        QTemporaryFile file(QDir(m_directory).filePath(temporaryTemplate(digest)));
        written = file.open() && file.write(data) == data.size() && file.flush()
                  && ::rename(localPath(file.fileName()).constData(), localPath(path).constData()) == 0;
        if (written)
            file.setAutoRemove(false);
    } else {
        QFile file(path);
        written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
        if (!written)
            file.remove(); // a half-written entry would read back as a corrupt picture
    }
    if (written && m_config.shouldDisableiCloud) {
        // Where the file system has no user attributes the mark is simply not kept.
        static constexpr char No[] = "false";
        ::setxattr(localPath(path).constData(), BackupAttribute, No, sizeof(No) - 1, 0);
    }
    return written;
}

QByteArray DiskCache::extendedData(const QString &key) const
{
    const QByteArray path = localPath(cachePath(key));
    const ssize_t size = ::getxattr(path.constData(), MetadataAttribute, nullptr, 0);
    if (size <= 0 || size > 64 * 1024)
        return {};
    QByteArray value(size, Qt::Uninitialized);
    const ssize_t read = ::getxattr(path.constData(), MetadataAttribute, value.data(), size_t(value.size()));
    if (read < 0)
        return {};
    value.truncate(read);
    return value;
}

bool DiskCache::setExtendedData(const QByteArray &data, const QString &key)
{
    const QByteArray path = localPath(cachePath(key));
    if (data.isEmpty())
        return ::removexattr(path.constData(), MetadataAttribute) == 0;
    return ::setxattr(path.constData(), MetadataAttribute, data.constData(), size_t(data.size()), 0) == 0;
}

void DiskCache::remove(const QString &key) { QFile::remove(cachePath(key)); }

void DiskCache::clear() { QDir(m_directory).removeRecursively(); }

QDateTime DiskCache::entryDate(const QString &path) const
{
    const QFileInfo info(path);
    QDateTime date;
    switch (m_config.diskCacheExpireType) {
    case ImageCacheConfig::ExpireType::AccessDate:
        date = info.lastRead();
        break;
    case ImageCacheConfig::ExpireType::ModificationDate:
        date = info.lastModified();
        break;
    case ImageCacheConfig::ExpireType::CreationDate:
        date = info.birthTime();
        break;
    case ImageCacheConfig::ExpireType::ChangeDate:
        date = info.metadataChangeTime();
        break;
    }
    // A file system without the chosen date (creation dates are not everywhere) ages entries
    // by modification instead, so they still expire.
    return date.isValid() ? date : info.lastModified();
}

void DiskCache::removeStaleTemporaries(const QDateTime &now)
{
    const QDateTime stale = now.addSecs(-StaleTemporarySeconds);
    QDirIterator it(m_directory, {QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        if (isTemporaryName(it.fileName()) && it.fileInfo().lastModified() <= stale)
            QFile::remove(it.filePath());
    }
}

void DiskCache::removeExpiredData(const QDateTime &now)
{
    if (!QFileInfo(m_directory).isDir())
        return;
    removeStaleTemporaries(now);
    const QDateTime expiration =
        m_config.maxDiskAge < 0 ? QDateTime() : now.addMSecs(-qint64(m_config.maxDiskAge * 1000.0));

    struct Entry {
        QString path;
        QDateTime date;
        quint64 size;
    };
    std::vector<Entry> kept;
    quint64 total = 0;
    // Without QDir::Hidden the iterator skips hidden files and does not descend into hidden folders.
    QDirIterator it(m_directory, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QDateTime date = entryDate(path);
        if (expiration.isValid() && date <= expiration) {
            QFile::remove(path);
            continue;
        }
        const quint64 size = allocatedSize(path);
        total += size;
        kept.push_back({path, date, size});
    }

    if (m_config.maxDiskSize == 0 || total <= m_config.maxDiskSize)
        return;
    const quint64 target = m_config.maxDiskSize / 2;
    std::sort(kept.begin(), kept.end(), [](const Entry &a, const Entry &b) { return a.date < b.date; });
    for (const Entry &entry : kept) {
        if (QFile::remove(entry.path)) {
            total -= entry.size;
            if (total < target)
                break;
        }
    }
}

quint64 DiskCache::totalSize() const
{
    quint64 total = 0;
    QDirIterator it(m_directory, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        total += allocatedSize(it.next());
    return total;
}

quint64 DiskCache::count() const
{
    quint64 count = 0;
    QDirIterator it(m_directory, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    for (; it.hasNext(); it.next())
        ++count;
    return count;
}
