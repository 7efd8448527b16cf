#pragma once

#include "imagedecoder.h"

#include <QSet>
#include <QString>

// How the image downloader fetches. The downloader copies it when it is made.
struct ImageDownloaderConfig
{
    ImageDownloaderConfig();

    int maxConcurrentDownloads = 6;
    double downloadTimeout = 15.0;       // seconds without data before a request fails; 0 means the default
    // Seconds a download may take in all, however steadily its bytes trickle in; 0 means the default.
    double downloadDeadline = 60.0;
    double minimumProgressInterval = 0;  // smallest progress step (0 to 1) worth reporting
    QSet<int> acceptableStatusCodes;     // 200 to 299
    QSet<QString> acceptableContentTypes; // empty: every content type
    QString username;                    // credentials for servers that ask; none by default
    QString password;
    // Guards against endless or giant answers: bytes read per response, pixels decoded per picture.
    qint64 maxResponseBytes = 32 * 1024 * 1024;
    qint64 maxDecodedPixels = ImageDecoder::DefaultMaxPixels;

    // The timeout in milliseconds, 15 seconds when the configured value is 0 or below.
    int effectiveTimeoutMs() const;
    // The deadline in milliseconds, 60 seconds when the configured value is 0 or below.
    int effectiveDeadlineMs() const;

    static ImageDownloaderConfig &defaultConfig();
};
