#pragma once

#include <QMetaType>
#include <QString>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

// A failure of the image cache, downloader or loader: a domain, a code, a readable message and
// extra facts (the HTTP status, the network error underneath). A default-made error is "none".
struct ImageError
{
    Q_GADGET
    QML_VALUE_TYPE(imageError)
    Q_PROPERTY(QString domain MEMBER domain)
    Q_PROPERTY(int code MEMBER code)
    Q_PROPERTY(QString message MEMBER message)
    Q_PROPERTY(int statusCode READ statusCode)
    Q_PROPERTY(bool isNull READ isNull)

public:
    // The image library's own failures.
    static constexpr const char *Domain = "KestrelImageErrorDomain";
    static constexpr const char *StatusCodeKey = "KestrelImageErrorDownloadStatusCodeKey";
    // The network failure underneath an image failure (an ImageError of the URL error domain).
    static constexpr const char *UnderlyingErrorKey = "KestrelUnderlyingErrorKey";

    enum Code {
        InvalidUrl = 1000,
        BadImageData = 1001,
        CacheNotModified = 1002,
        BlackListed = 1003,
        InvalidDownloadStatusCode = 2001,
        Cancelled = 2002,
        InvalidDownloadContentType = 2003,
    };

    // The exact texts reported with the codes above.
    static constexpr const char *UrlIsNil = "Image url is nil";
    static constexpr const char *DecodeFailed = "Downloaded image decode failed";
    static constexpr const char *ZeroPixels = "Downloaded image has 0 pixels";
    static constexpr const char *DataIsNil = "Image data is nil";
    static constexpr const char *NotModified = "Download response status code is 304 not modified and ignored";
    static constexpr const char *UrlBlacklisted = "Image url is blacklisted";
    static constexpr const char *InvalidStatusFormat = "Download marked as failed because of invalid response status code %1";
    static constexpr const char *InvalidContentTypeFormat = "Download marked as failed because of invalid response content type %1";
    static constexpr const char *CancelledQuerying = "Operation cancelled by user during querying the cache";
    static constexpr const char *CancelledBeforeSending = "Operation cancelled by user before sending the request";
    static constexpr const char *CancelledSending = "Operation cancelled by user during sending the request";

    QString domain;
    int code = 0;
    QString message;
    QVariantMap userInfo;

    static ImageError image(int code, const QString &message, const QVariantMap &userInfo = {});
    static ImageError invalidStatus(int statusCode, const ImageError &underlying);

    bool isNull() const { return domain.isEmpty(); }
    bool isImageError(int imageCode) const { return domain == QLatin1String(Domain) && code == imageCode; }
    bool isCancelled() const { return isImageError(Cancelled); }
    // The HTTP status attached to a 2001 failure, else 0.
    int statusCode() const { return userInfo.value(QLatin1String(StatusCodeKey)).toInt(); }
    ImageError underlying() const;

    friend bool operator==(const ImageError &a, const ImageError &b)
    {
        return a.domain == b.domain && a.code == b.code && a.message == b.message;
    }
};

Q_DECLARE_METATYPE(ImageError)
