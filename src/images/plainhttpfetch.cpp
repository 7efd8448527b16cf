#include "plainhttpfetch.h"

#include <QHostAddress>
#include <QMetaObject>
#include <QNetworkProxy>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <utility>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr qsizetype MaxHeadBytes = 64 * 1024; // a head this large is not an image server's

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 305 || status == 307 || status == 308;
}

// A header value must not end the line it is written on.
QByteArray oneLine(QByteArray value)
{
    for (char &c : value) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return value;
}

} // namespace

bool PlainHttpFetch::handles(const QUrl &url)
{
    if (url.scheme() != QLatin1String("http") || !url.userInfo().isEmpty())
        return false;
    QHostAddress address;
    if (!address.setAddress(url.host()))
        return false;
    // The system's proxy settings never send this machine's own addresses through a proxy.
    // They are not asked (the application proxy would): that takes a round trip to another
    // thread and costs more than the whole download.
    if (QNetworkProxyFactory::usesSystemConfiguration())
        return address.isLoopback();
    const QNetworkProxy::ProxyType proxy = QNetworkProxy::applicationProxy().type();
    return proxy == QNetworkProxy::NoProxy || proxy == QNetworkProxy::DefaultProxy;
}

PlainHttpFetch::PlainHttpFetch(const QUrl &url, const QHash<QByteArray, QByteArray> &headers, QObject *parent)
    : QObject(parent), m_url(url), m_requestHeaders(headers)
{
}

PlainHttpFetch::~PlainHttpFetch() { closeSocket(); }

void PlainHttpFetch::start()
{
    m_starting = true;
    connectTo(m_url);
    m_starting = false;
    if (m_done)
        QMetaObject::invokeMethod(this, &PlainHttpFetch::finished, Qt::QueuedConnection);
}

void PlainHttpFetch::abort()
{
    m_done = true;
    closeSocket();
}

QByteArray PlainHttpFetch::read(qint64 maxSize)
{
    if (maxSize >= m_body.size())
        return std::exchange(m_body, {});
    QByteArray part = m_body.left(maxSize);
    m_body.remove(0, maxSize);
    return part;
}

QNetworkReply::NetworkError PlainHttpFetch::statusError(int status)
{
    using NE = QNetworkReply;
    switch (status) {
    case 400: return NE::ProtocolInvalidOperationError;
    case 401: return NE::AuthenticationRequiredError;
    case 403: return NE::ContentAccessDenied;
    case 404: return NE::ContentNotFoundError;
    case 405: return NE::ContentOperationNotPermittedError;
    case 407: return NE::ProxyAuthenticationRequiredError;
    case 409: return NE::ContentConflictError;
    case 410: return NE::ContentGoneError;
    case 418: return NE::ProtocolInvalidOperationError;
    case 500: return NE::InternalServerError;
    case 501: return NE::OperationNotImplementedError;
    case 503: return NE::ServiceUnavailableError;
    default:
        if (status >= 400 && status <= 499)
            return NE::UnknownContentError;
        if (status >= 500 && status <= 599)
            return NE::UnknownServerError;
        return NE::NoError;
    }
}

void PlainHttpFetch::connectTo(const QUrl &url)
{
    closeSocket();
    m_url = url;
    m_head.clear();
    m_headers.clear();
    m_status = 0;
    m_headComplete = false;
    m_length = -1;
    m_received = 0;
    m_request = requestFor(url, m_requestHeaders);

    const QHostAddress address(url.host());
    sockaddr_storage peer {};
    socklen_t peerSize = 0;
    if (address.protocol() == QAbstractSocket::IPv4Protocol) {
        auto *in = reinterpret_cast<sockaddr_in *>(&peer);
        in->sin_family = AF_INET;
        in->sin_port = htons(quint16(url.port(80)));
        in->sin_addr.s_addr = htonl(address.toIPv4Address());
        peerSize = sizeof(sockaddr_in);
    } else {
        auto *in6 = reinterpret_cast<sockaddr_in6 *>(&peer);
        in6->sin6_family = AF_INET6;
        in6->sin6_port = htons(quint16(url.port(80)));
        const Q_IPV6ADDR bytes = address.toIPv6Address();
        std::memcpy(&in6->sin6_addr, &bytes, sizeof(bytes));
        in6->sin6_scope_id = address.scopeId().toUInt();
        peerSize = sizeof(sockaddr_in6);
    }
    m_fd = ::socket(peer.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_fd < 0)
        return failWith(errno);
    if (::connect(m_fd, reinterpret_cast<const sockaddr *>(&peer), peerSize) != 0 && errno != EINPROGRESS)
        return failWith(errno);
    m_readable = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_readable, &QSocketNotifier::activated, this, &PlainHttpFetch::onReadable);
    // On this machine's own addresses the connection is usually there at once: the request goes
    // out now, not one turn of the event loop later.
    sendRequest();
}

QByteArray PlainHttpFetch::requestFor(const QUrl &url, const QHash<QByteArray, QByteArray> &headers)
{
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (url.port() != -1)
        host += ':' + QByteArray::number(url.port());
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray request;
    request.reserve(256);
    request += "GET " + target + " HTTP/1.1\r\nHost: " + host + "\r\n";
    for (auto it = headers.constBegin(); it != headers.constEnd(); ++it)
        request += oneLine(it.key()) + ": " + oneLine(it.value()) + "\r\n";
    // Each download has a connection of its own.
    request += "Connection: close\r\n\r\n";
    return request;
}

void PlainHttpFetch::sendRequest()
{
    while (!m_request.isEmpty()) {
        const ssize_t sent = ::send(m_fd, m_request.constData(), size_t(m_request.size()), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == ENOTCONN)) {
            // Still connecting, or the buffer is full: go on once the socket takes more.
            if (!m_writable) {
                m_writable = new QSocketNotifier(m_fd, QSocketNotifier::Write, this);
                connect(m_writable, &QSocketNotifier::activated, this, &PlainHttpFetch::onWritable);
            }
            m_writable->setEnabled(true);
            return;
        }
        if (sent < 0)
            return failWith(errno);
        m_request.remove(0, sent);
    }
    if (m_writable)
        m_writable->setEnabled(false);
}

void PlainHttpFetch::onWritable()
{
    if (m_done || m_fd < 0)
        return;
    int error = 0;
    socklen_t size = sizeof(error);
    if (::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error != 0)
        return failWith(error);
    sendRequest();
}

void PlainHttpFetch::failWith(int error)
{
    const QString message = QString::fromLocal8Bit(std::strerror(error));
    switch (error) {
    case ECONNREFUSED:
        return finish(QNetworkReply::ConnectionRefusedError, message);
    case ECONNRESET:
    case EPIPE:
        return finish(QNetworkReply::RemoteHostClosedError, message);
    case ETIMEDOUT:
        return finish(QNetworkReply::TimeoutError, message);
    default:
        return finish(QNetworkReply::UnknownNetworkError, message);
    }
}

void PlainHttpFetch::onReadable()
{
    if (m_done || m_fd < 0)
        return;
    char chunk[16 * 1024];
    for (;;) {
        const ssize_t got = ::recv(m_fd, chunk, sizeof(chunk), 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        if (got < 0)
            return failWith(errno);
        if (got == 0)
            return onClosed();
        const QByteArray bytes(chunk, got);
        if (m_headComplete) {
            takeBody(bytes);
        } else {
            m_head += bytes;
            if (parseHead())
                takeBody(std::exchange(m_head, {}));
        }
        if (m_done || m_fd < 0)
            return;
    }
}

// True once the head is complete and the body is to be read, with the body's first bytes left
// in m_head; false while more is needed or when the fetch has ended.
bool PlainHttpFetch::parseHead()
{
    for (;;) {
        const qsizetype end = m_head.indexOf("\r\n\r\n");
        if (end < 0) {
            if (m_head.size() > MaxHeadBytes)
                finish(QNetworkReply::ProtocolFailure, QStringLiteral("Response header too large"));
            return false;
        }
        const QList<QByteArray> lines = m_head.left(end).split('\n');
        m_head.remove(0, end + 4);
        const QByteArray statusLine = lines.first().trimmed();
        bool valid = statusLine.startsWith("HTTP/1.") && statusLine.size() >= 12 && statusLine[8] == ' ';
        const int status = valid ? statusLine.mid(9, 3).toInt(&valid) : 0;
        if (!valid || status < 100 || status > 999) {
            finish(QNetworkReply::ProtocolFailure, QStringLiteral("Invalid HTTP response"));
            return false;
        }
        if (status < 200)
            continue; // an interim answer; the real one follows
        m_status = status;
        m_reason = statusLine.mid(13);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray &line = lines[i];
            const qsizetype colon = line.indexOf(':');
            if (colon <= 0)
                continue;
            const QByteArray name = line.left(colon).trimmed().toLower();
            const QByteArray value = line.mid(colon + 1).trimmed();
            QByteArray &known = m_headers[name];
            known = known.isEmpty() ? value : known + ", " + value;
        }
        break;
    }
    if (const QByteArray length = m_headers.value("content-length"); !length.isNull()) {
        bool ok = false;
        m_length = length.toLongLong(&ok);
        if (!ok || m_length < 0) {
            finish(QNetworkReply::ProtocolFailure, QStringLiteral("Invalid Content-Length"));
            return false;
        }
    }
    const QByteArray coding = m_headers.value("transfer-encoding").toLower();
    const QByteArray compression = m_headers.value("content-encoding").toLower();
    if ((!coding.isEmpty() && coding != "identity") || (!compression.isEmpty() && compression != "identity")) {
        m_fallback = m_url; // bodies in pieces or compressed are the network access manager's
        finish();
        return false;
    }
    if (isRedirect(m_status) && m_headers.contains("location")) {
        const QUrl target = m_url.resolved(QUrl::fromEncoded(m_headers.value("location")));
        if (++m_redirects > MaxRedirects)
            finish(QNetworkReply::TooManyRedirectsError, QStringLiteral("Too many redirects"));
        else if (handles(target))
            connectTo(target);
        else if (target.scheme() == QLatin1String("http") || target.scheme() == QLatin1String("https")) {
            m_fallback = target;
            finish();
        } else
            finish(QNetworkReply::ProtocolUnknownError, QStringLiteral("Unsupported redirect"));
        return false;
    }
    m_headComplete = true;
    emit metaDataChanged();
    if (m_done)
        return false;
    if (m_status == 204 || m_status == 304 || m_length == 0) {
        finish();
        return false;
    }
    return true;
}

void PlainHttpFetch::takeBody(QByteArray bytes)
{
    if (m_length >= 0 && bytes.size() > m_length - m_received)
        bytes.truncate(m_length - m_received); // anything after the declared length is not ours
    if (bytes.isEmpty())
        return;
    m_received += bytes.size();
    m_body += bytes;
    emit readyRead();
    if (m_done)
        return;
    emit downloadProgress(m_received, m_length);
    if (!m_done && m_length >= 0 && m_received >= m_length)
        finish();
}

void PlainHttpFetch::onClosed()
{
    if (!m_headComplete || (m_length >= 0 && m_received < m_length))
        finish(QNetworkReply::RemoteHostClosedError, QStringLiteral("Connection closed"));
    else
        finish(); // a body without a declared length ends with the connection
}

void PlainHttpFetch::finish(QNetworkReply::NetworkError error, const QString &message)
{
    if (m_done)
        return;
    m_done = true;
    m_error = error;
    m_errorString = message;
    if (error == QNetworkReply::NoError && m_fallback.isEmpty()) {
        m_error = statusError(m_status);
        if (m_error != QNetworkReply::NoError)
            m_errorString = QStringLiteral("Error transferring %1 - server replied: %2")
                                .arg(m_url.toString(), QString::fromLatin1(m_reason));
    }
    closeSocket();
    if (!m_starting)
        emit finished();
}

void PlainHttpFetch::closeSocket()
{
    // The notifiers go quiet before their descriptor closes; they are deleted later, as this
    // may run inside one of their own signals.
    for (QSocketNotifier *notifier : {std::exchange(m_readable, nullptr), std::exchange(m_writable, nullptr)}) {
        if (notifier) {
            notifier->setEnabled(false);
            disconnect(notifier, nullptr, this, nullptr);
            notifier->deleteLater();
        }
    }
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
}
