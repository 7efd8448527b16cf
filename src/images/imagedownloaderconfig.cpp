#include "imagedownloaderconfig.h"

#include <algorithm>
#include <cmath>

ImageDownloaderConfig::ImageDownloaderConfig()
{
    for (int status = 200; status <= 299; ++status)
        acceptableStatusCodes.insert(status);
}

namespace {
int milliseconds(double seconds, int fallbackMs)
{
    if (!(seconds > 0)) // also NaN
        return fallbackMs;
    return std::max(1, int(std::lround(std::min(seconds, 86400.0) * 1000.0)));
}
} // namespace

int ImageDownloaderConfig::effectiveTimeoutMs() const { return milliseconds(downloadTimeout, 15000); }

int ImageDownloaderConfig::effectiveDeadlineMs() const { return milliseconds(downloadDeadline, 60000); }

ImageDownloaderConfig &ImageDownloaderConfig::defaultConfig()
{
    static ImageDownloaderConfig config;
    return config;
}
