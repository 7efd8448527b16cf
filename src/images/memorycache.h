#pragma once

#include "imagecacheconfig.h"

#include <QHash>
#include <QImage>
#include <QMutex>
#include <QString>
#include <list>

// Decoded images by cache key, limited by total cost (decoded bytes) and by count; the least
// recently used go first. With shouldUseWeakMemoryCache a second map remembers evicted images
// that someone still holds (still on screen), so they come back without a disk read.
// Safe to use from any thread: the cache's input/output thread fills it after disk reads.
class MemoryCache
{
public:
    explicit MemoryCache(const ImageCacheConfig &config = {});
    virtual ~MemoryCache();
    MemoryCache(const MemoryCache &) = delete;
    MemoryCache &operator=(const MemoryCache &) = delete;

    // Decoded size in bytes: bytes per row times height; an image without a bitmap costs 0.
    static quint64 cost(const QImage &image);

    virtual QImage image(const QString &key);
    virtual void insert(const QString &key, const QImage &image, quint64 cost);
    void insert(const QString &key, const QImage &image) { insert(key, image, cost(image)); }
    virtual void remove(const QString &key);
    // Empties both parts.
    virtual void clear();
    // Empties the cost-limited part only, as the system's memory warning asks.
    void didReceiveMemoryWarning();

    // Follows the configuration's limits (evicting at once when they shrink).
    void setConfig(const ImageCacheConfig &config);

    quint64 totalCost() const;
    quint64 count() const;

private:
    struct Entry {
        QString key;
        QImage image;
        quint64 cost;
    };
    void evictLocked();
    void pruneWeakLocked();

    mutable QMutex m_mutex;
    quint64 m_maxCost;
    quint64 m_maxCount;
    bool m_useWeak;
    std::list<Entry> m_entries; // most recently used first
    QHash<QString, std::list<Entry>::iterator> m_index;
    quint64 m_totalCost = 0;
    QHash<QString, QImage> m_weak;
};
