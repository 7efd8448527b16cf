#include "urlerrors.h"

#include <array>
#include <optional>
#include <utility>

namespace UrlErrors {

namespace {

using NE = QNetworkReply;

// Qt network error -> URL error class. Anything not listed here is Unknown (which blocks).
// For the HTTP errors below, the status rules further down decide before this class does.
//
//   Qt error                              URL class                  blocks the URL
//   ConnectionRefusedError                CannotConnectToHost        no
//   RemoteHostClosedError                 NetworkConnectionLost      no
//   HostNotFoundError                     CannotFindHost             no
//   TimeoutError                          TimedOut                   no
//   OperationCanceledError                Cancelled                  no
//   SslHandshakeFailedError               SecureConnectionFailed     yes
//   TemporaryNetworkFailureError          NotConnectedToInternet     no
//   NetworkSessionFailedError             NotConnectedToInternet     no
//   BackgroundRequestNotAllowedError      DataNotAllowed             no
//   TooManyRedirectsError                 HttpTooManyRedirects       yes
//   InsecureRedirectError                 SecureConnectionRequired   yes
//   UnknownNetworkError                   NotConnectedToInternet     no  (Qt's "network unreachable")
//   ProxyConnectionRefusedError           CannotConnectToHost        no
//   ProxyConnectionClosedError            NetworkConnectionLost      no
//   ProxyNotFoundError                    CannotFindHost             no
//   ProxyTimeoutError                     TimedOut                   no
//   ProxyAuthenticationRequiredError      UserAuthenticationRequired yes
//   ContentAccessDenied (403)             NoPermissionsToReadFile    yes
//   ContentNotFoundError (404)            FileDoesNotExist           yes
//   ContentGoneError (410)                FileDoesNotExist           yes
//   AuthenticationRequiredError (401)     UserAuthenticationRequired yes
//   ContentOperationNotPermittedError,
//   ContentReSendError, ContentConflictError, UnknownContentError,
//   InternalServerError, OperationNotImplementedError, ServiceUnavailableError,
//   UnknownServerError, ProtocolInvalidOperationError, ProtocolFailure
//                                         BadServerResponse          yes
//   ProtocolUnknownError                  UnsupportedUrl             yes
constexpr std::array<std::pair<QNetworkReply::NetworkError, Code>, 32> Table{{
    {NE::ConnectionRefusedError, CannotConnectToHost},
    {NE::RemoteHostClosedError, NetworkConnectionLost},
    {NE::HostNotFoundError, CannotFindHost},
    {NE::TimeoutError, TimedOut},
    {NE::OperationCanceledError, Cancelled},
    {NE::SslHandshakeFailedError, SecureConnectionFailed},
    {NE::TemporaryNetworkFailureError, NotConnectedToInternet},
    {NE::NetworkSessionFailedError, NotConnectedToInternet},
    {NE::BackgroundRequestNotAllowedError, DataNotAllowed},
    {NE::TooManyRedirectsError, HttpTooManyRedirects},
    {NE::InsecureRedirectError, SecureConnectionRequired},
    {NE::UnknownNetworkError, NotConnectedToInternet},
    {NE::ProxyConnectionRefusedError, CannotConnectToHost},
    {NE::ProxyConnectionClosedError, NetworkConnectionLost},
    {NE::ProxyNotFoundError, CannotFindHost},
    {NE::ProxyTimeoutError, TimedOut},
    {NE::ProxyAuthenticationRequiredError, UserAuthenticationRequired},
    {NE::ContentAccessDenied, NoPermissionsToReadFile},
    {NE::ContentNotFoundError, FileDoesNotExist},
    {NE::ContentGoneError, FileDoesNotExist},
    {NE::AuthenticationRequiredError, UserAuthenticationRequired},
    {NE::ContentOperationNotPermittedError, BadServerResponse},
    {NE::ContentReSendError, BadServerResponse},
    {NE::ContentConflictError, BadServerResponse},
    {NE::UnknownContentError, BadServerResponse},
    {NE::InternalServerError, BadServerResponse},
    {NE::OperationNotImplementedError, BadServerResponse},
    {NE::ServiceUnavailableError, BadServerResponse},
    {NE::UnknownServerError, BadServerResponse},
    {NE::ProtocolInvalidOperationError, BadServerResponse},
    {NE::ProtocolFailure, BadServerResponse},
    {NE::ProtocolUnknownError, UnsupportedUrl},
}};

// The URL classes that never block: conditions of the network, not of the address.
constexpr std::array<Code, 8> Passing{NotConnectedToInternet, Cancelled, TimedOut, InternationalRoamingOff,
                                      DataNotAllowed, CannotFindHost, CannotConnectToHost, NetworkConnectionLost};

// HTTP statuses the downloader rejects, first match deciding whether the URL stays blocked
// for the rest of the run. A client error means the address itself is wrong and asking again
// is wasted; a server error, a request timeout or a rate limit passes, and blocking on it would
// blank a picture until the next launch.
struct StatusRule {
    int first;
    int last;
    bool blocks;
};
constexpr std::array<StatusRule, 4> StatusRules{{
    {408, 408, false}, // request timeout
    {429, 429, false}, // too many requests
    {400, 499, true},  // every other client error: 400, 403, 404, 410, ...
    {500, 599, false}, // server errors
}};

std::optional<bool> statusBlocks(int status)
{
    for (const StatusRule &rule : StatusRules) {
        if (status >= rule.first && status <= rule.last)
            return rule.blocks;
    }
    return std::nullopt;
}

} // namespace

Code classify(QNetworkReply::NetworkError error)
{
    for (const auto &[qtError, code] : Table) {
        if (qtError == error)
            return code;
    }
    return Unknown;
}

ImageError make(Code code, const QString &message) { return ImageError{QString::fromLatin1(Domain), code, message, {}}; }

ImageError fromReply(QNetworkReply::NetworkError error, const QString &message) { return make(classify(error), message); }

bool blocksUrl(const ImageError &error)
{
    if (error.isImageError(ImageError::InvalidDownloadStatusCode)) {
        if (const std::optional<bool> blocks = statusBlocks(error.statusCode()))
            return *blocks;
    }
    const ImageError underlying = error.underlying();
    if (!underlying.isNull())
        return blocksUrl(underlying);
    if (error.domain == QLatin1String(ImageError::Domain))
        return error.code == ImageError::InvalidUrl || error.code == ImageError::BadImageData;
    if (error.domain == QLatin1String(Domain)) {
        for (Code passing : Passing) {
            if (error.code == passing)
                return false;
        }
        return true;
    }
    return false;
}

} // namespace UrlErrors
