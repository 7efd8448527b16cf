#include "imagecacheconfig.h"

#include "diskcache.h"
#include "memorycache.h"

ImageCacheConfig::ImageCacheConfig()
    : memoryCacheClass([](const ImageCacheConfig &config) { return std::make_unique<MemoryCache>(config); }),
      diskCacheClass([](const QString &directory, const ImageCacheConfig &config) {
          return std::make_unique<DiskCache>(directory, config);
      })
{
}

ImageCacheConfig &ImageCacheConfig::defaultConfig()
{
    static ImageCacheConfig config;
    return config;
}
