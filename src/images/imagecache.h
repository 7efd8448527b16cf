#pragma once

#include "imagecacheconfig.h"

#include <QImage>
#include <QObject>
#include <QtQml/qqmlregistration.h>
#include <atomic>
#include <functional>
#include <memory>

class DiskCache;
class MemoryCache;
class OwnerInbox;
class WorkQueue;

// A running cache query; cancelling it means its completion is never called.
class ImageCacheQuery
{
public:
    void cancel() { m_cancelled = true; }
    bool isCancelled() const { return m_cancelled; }

private:
    std::atomic_bool m_cancelled{false};
};

// The two-level picture cache: decoded images in memory, their bytes on disk under
// <caches directory>/com.quillon.ImageCache/<namespace>. Every disk access runs on one serial
// input/output thread of its own; completions come back on the thread that owns the cache.
// Expired entries are removed when the application goes to the background and when it quits.
class ImageCache : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Owned by AppContext")

public:
    enum class CacheType { None, Disk, Memory };
    Q_ENUM(CacheType)

    static constexpr const char *QueueName = "com.quillon.ImageCache";
    using QueryCompletion = std::function<void(const QImage &image, const QByteArray &data, CacheType cacheType)>;

    explicit ImageCache(const QString &cachesDirectory, const QString &nameSpace = QStringLiteral("default"),
                        const ImageCacheConfig &config = ImageCacheConfig::defaultConfig(), QObject *parent = nullptr);
    ~ImageCache() override;

    QString diskCachePath() const { return m_diskCachePath; }
    QString cachePath(const QString &key) const;
    const ImageCacheConfig &config() const { return m_config; }
    // Takes a changed configuration; the memory cache follows its limits at once.
    void setConfig(const ImageCacheConfig &config);
    MemoryCache &memoryCache() { return *m_memory; }

    // Memory first (answered before this returns), else the disk on the input/output thread,
    // where the file is read and decoded. A miss completes with a null image and CacheType::None.
    std::shared_ptr<ImageCacheQuery> queryImage(const QString &key, QueryCompletion completion);
    QImage imageFromMemory(const QString &key) const;
    // Stores the image in memory and its bytes on disk (encoded as PNG when there are none).
    void storeImage(const QImage &image, const QByteArray &data, const QString &key, bool toMemory = true,
                    bool toDisk = true, std::function<void()> completion = {});
    void removeImage(const QString &key, bool fromDisk = true, std::function<void()> completion = {});
    void clearMemory();
    void clearDisk(std::function<void()> completion = {});
    void removeExpiredData(std::function<void()> completion = {});
    // Stands for the system's memory warning: empties the cost-limited memory part.
    void didReceiveMemoryWarning();

    // Blocks until the disk work queued so far is done (for tests, benchmarks and shutdown).
    void waitForDisk();

private:
    void onIo(std::function<void()> task);
    void onOwner(std::function<void()> task);

    ImageCacheConfig m_config;
    QString m_diskCachePath;
    std::unique_ptr<MemoryCache> m_memory;
    std::unique_ptr<DiskCache> m_disk; // touched only on the input/output thread
    std::unique_ptr<OwnerInbox> m_results; // disk results on their way to this cache's thread
    std::unique_ptr<WorkQueue> m_io;
    std::atomic_bool m_expiryQueued{false};
    std::atomic_int m_queriesQueued{0}; // disk queries posted and not yet started
};
