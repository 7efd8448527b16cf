#include "imagedownloaderconfig.h"

#include <algorithm>
#include <cmath>

ImageDownloaderConfig::ImageDownloaderConfig()
{
    for (int status = 200; status <= 299; ++status)
        acceptableStatusCodes.insert(status);
}

int ImageDownloaderConfig::effectiveTimeoutMs() const
{
    if (!(downloadTimeout > 0)) // also NaN
        return 15000;
    return std::max(1, int(std::lround(std::min(downloadTimeout, 86400.0) * 1000.0)));
}

ImageDownloaderConfig &ImageDownloaderConfig::defaultConfig()
{
    static ImageDownloaderConfig config;
    return config;
}
