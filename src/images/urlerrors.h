#pragma once

#include "imageerror.h"

#include <QNetworkReply>

// The URL error domain: transport failures of a download, in the classes the failed-URL rule
// is written in. Qt reports its own QNetworkReply::NetworkError values; the one table in
// urlerrors.cpp maps each onto a class here.
namespace UrlErrors {

inline constexpr const char *Domain = "KestrelURLErrorDomain";

enum Code {
    Unknown = -1,
    Cancelled = -999,
    BadUrl = -1000,
    TimedOut = -1001,
    UnsupportedUrl = -1002,
    CannotFindHost = -1003,
    CannotConnectToHost = -1004,
    NetworkConnectionLost = -1005,
    HttpTooManyRedirects = -1007,
    NotConnectedToInternet = -1009,
    BadServerResponse = -1011,
    UserAuthenticationRequired = -1013,
    InternationalRoamingOff = -1018,
    DataNotAllowed = -1020,
    SecureConnectionRequired = -1022,
    FileDoesNotExist = -1100,
    NoPermissionsToReadFile = -1102,
    SecureConnectionFailed = -1200,
};

// The URL error class of a Qt network error (NoError maps to Unknown: callers only ask on failure).
Code classify(QNetworkReply::NetworkError error);

ImageError make(Code code, const QString &message);
ImageError fromReply(QNetworkReply::NetworkError error, const QString &message);

// Whether a failed download puts its URL in the failed-URL set for the rest of the run.
// A rejected HTTP status is judged by its code (the table in urlerrors.cpp): 4xx blocks
// except 408 and 429; 5xx does not. Otherwise, in the image domain only an invalid URL (1000)
// and bad image data (1001) block; in the URL
// domain everything blocks except the passing conditions of a network (offline, cancelled,
// timed out, roaming, data not allowed, host not found or unreachable, connection lost);
// other domains never block. A failure that carries a network error underneath (an HTTP
// status the transport rejected) is judged by that network error.
bool blocksUrl(const ImageError &error);

} // namespace UrlErrors
