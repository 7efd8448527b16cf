#include "memorycache.h"

#include <QMutexLocker>

MemoryCache::MemoryCache(const ImageCacheConfig &config)
    : m_maxCost(config.maxMemoryCost), m_maxCount(config.maxMemoryCount), m_useWeak(config.shouldUseWeakMemoryCache)
{
}

MemoryCache::~MemoryCache() = default;

quint64 MemoryCache::cost(const QImage &image)
{
    if (image.isNull())
        return 0;
    return quint64(image.bytesPerLine()) * quint64(image.height());
}

QImage MemoryCache::image(const QString &key)
{
    QMutexLocker lock(&m_mutex);
    if (auto it = m_index.find(key); it != m_index.end()) {
        m_entries.splice(m_entries.begin(), m_entries, it.value());
        return it.value()->image;
    }
    if (!m_useWeak)
        return {};
    auto weak = m_weak.find(key);
    if (weak == m_weak.end())
        return {};
    // Detached means only this map still holds it: nobody shows it any more, so it is gone.
    if (weak->isDetached()) {
        m_weak.erase(weak);
        return {};
    }
    const QImage image = *weak;
    m_entries.push_front(Entry{key, image, cost(image)});
    m_index.insert(key, m_entries.begin());
    m_totalCost += m_entries.front().cost;
    evictLocked();
    return image;
}

void MemoryCache::insert(const QString &key, const QImage &image, quint64 cost)
{
    if (image.isNull())
        return;
    QMutexLocker lock(&m_mutex);
    if (auto it = m_index.find(key); it != m_index.end()) {
        m_totalCost -= it.value()->cost;
        m_entries.erase(it.value());
        m_index.erase(it);
    }
    m_entries.push_front(Entry{key, image, cost});
    m_index.insert(key, m_entries.begin());
    m_totalCost += cost;
    if (m_useWeak) {
        m_weak.insert(key, image);
        if (m_weak.size() > 2 * qsizetype(m_entries.size()) + 64)
            pruneWeakLocked();
    }
    evictLocked();
}

void MemoryCache::remove(const QString &key)
{
    QMutexLocker lock(&m_mutex);
    if (auto it = m_index.find(key); it != m_index.end()) {
        m_totalCost -= it.value()->cost;
        m_entries.erase(it.value());
        m_index.erase(it);
    }
    m_weak.remove(key);
}

void MemoryCache::clear()
{
    QMutexLocker lock(&m_mutex);
    m_entries.clear();
    m_index.clear();
    m_totalCost = 0;
    m_weak.clear();
}

void MemoryCache::didReceiveMemoryWarning()
{
    QMutexLocker lock(&m_mutex);
    m_entries.clear();
    m_index.clear();
    m_totalCost = 0;
    pruneWeakLocked();
}

void MemoryCache::setConfig(const ImageCacheConfig &config)
{
    QMutexLocker lock(&m_mutex);
    m_maxCost = config.maxMemoryCost;
    m_maxCount = config.maxMemoryCount;
    m_useWeak = config.shouldUseWeakMemoryCache;
    if (!m_useWeak)
        m_weak.clear();
    evictLocked();
}

quint64 MemoryCache::totalCost() const
{
    QMutexLocker lock(&m_mutex);
    return m_totalCost;
}

quint64 MemoryCache::count() const
{
    QMutexLocker lock(&m_mutex);
    return m_entries.size();
}

void MemoryCache::evictLocked()
{
    while (!m_entries.empty()
           && ((m_maxCost > 0 && m_totalCost > m_maxCost) || (m_maxCount > 0 && m_entries.size() > m_maxCount))) {
        const Entry &oldest = m_entries.back();
        m_totalCost -= oldest.cost;
        m_index.remove(oldest.key);
        m_entries.pop_back();
    }
}

void MemoryCache::pruneWeakLocked()
{
    for (auto it = m_weak.begin(); it != m_weak.end();) {
        // Held by this map alone: neither the cost-limited part nor any view has it.
        if (it->isDetached())
            it = m_weak.erase(it);
        else
            ++it;
    }
}
