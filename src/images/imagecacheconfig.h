#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>

class DiskCache;
class MemoryCache;

// How an image cache behaves. The cache copies its configuration when it is made, so later
// changes to the shared default reach only caches made afterwards.
struct ImageCacheConfig
{
    // Which file date decides an entry's age.
    enum class ExpireType { AccessDate = 0, ModificationDate = 1, CreationDate = 2, ChangeDate = 3 };
    // diskCacheWritingOptions bits.
    static constexpr quint64 AtomicWrite = 1; // write a temporary file, then rename it over the entry

    using MemoryCacheFactory = std::function<std::unique_ptr<MemoryCache>(const ImageCacheConfig &)>;
    using DiskCacheFactory = std::function<std::unique_ptr<DiskCache>(const QString &directory, const ImageCacheConfig &)>;

    ImageCacheConfig();

    bool shouldDisableiCloud = true; // mark every written file as excluded from backup
    bool shouldCacheImagesInMemory = true;
    bool shouldUseWeakMemoryCache = false;
    bool shouldRemoveExpiredDataWhenEnterBackground = true;
    bool shouldRemoveExpiredDataWhenTerminate = true;
    quint64 diskCacheReadingOptions = 0; // entries are small and always read whole
    quint64 diskCacheWritingOptions = AtomicWrite;
    double maxDiskAge = 604800; // seconds (one week); negative: no age limit
    quint64 maxDiskSize = 0;    // bytes; 0: no size limit
    quint64 maxMemoryCost = 0;  // 0: no limit
    quint64 maxMemoryCount = 0; // 0: no limit
    ExpireType diskCacheExpireType = ExpireType::ModificationDate;
    MemoryCacheFactory memoryCacheClass; // the MemoryCache below unless replaced
    DiskCacheFactory diskCacheClass;     // the DiskCache below unless replaced

    // The shared default every new cache starts from.
    static ImageCacheConfig &defaultConfig();
};
