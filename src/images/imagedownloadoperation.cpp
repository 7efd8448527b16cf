#include "imagedownloadoperation.h"

#include "plainhttpfetch.h"
#include "urlerrors.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <utility>

ImageDownloadOperation::ImageDownloadOperation(const QUrl &url, quint64 id, const ImageDownloaderConfig &config,
                                               QObject *parent)
    : QObject(parent), m_url(url), m_id(id), m_config(config)
{
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, &ImageDownloadOperation::onTimeout);
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &ImageDownloadOperation::onTimeout);
}

ImageDownloadOperation::~ImageDownloadOperation() { stopReply(); }

void ImageDownloadOperation::start(QNetworkAccessManager *network, const QHash<QByteArray, QByteArray> &headers)
{
    m_started = true;
    // Only web addresses: a picture address from a repository must not read local files.
    const QString scheme = m_url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        const ImageError error = UrlErrors::make(UrlErrors::UnsupportedUrl, QStringLiteral("unsupported URL"));
        QMetaObject::invokeMethod(this, [this, error] { fail(error); }, Qt::QueuedConnection);
        return;
    }
    m_network = network;
    m_headers = headers;
    // A server asking for the credential is answered by the network access manager.
    if (m_config.username.isEmpty() && PlainHttpFetch::handles(m_url))
        startPlain();
    else
        startNetwork(m_url);
    // Like a request timeout interval: the time allowed without any data arriving.
    m_timeout.start(m_config.effectiveTimeoutMs());
    // A server dripping a byte now and then never trips the timeout above; this ends it.
    m_deadline.start(m_config.effectiveDeadlineMs());
}

void ImageDownloadOperation::startPlain()
{
    m_fetch = new PlainHttpFetch(m_url, m_headers, this);
    connect(m_fetch, &PlainHttpFetch::metaDataChanged, this, &ImageDownloadOperation::onMetaDataChanged);
    connect(m_fetch, &PlainHttpFetch::readyRead, this, &ImageDownloadOperation::onReadyRead);
    connect(m_fetch, &PlainHttpFetch::downloadProgress, this, &ImageDownloadOperation::onProgress);
    connect(m_fetch, &PlainHttpFetch::finished, this, &ImageDownloadOperation::onFinished);
    m_fetch->start();
}

void ImageDownloadOperation::startNetwork(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::HttpPipeliningAllowedAttribute, true);
    for (auto it = m_headers.constBegin(); it != m_headers.constEnd(); ++it)
        request.setRawHeader(it.key(), it.value());

    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &ImageDownloadOperation::onMetaDataChanged);
    connect(m_reply, &QNetworkReply::readyRead, this, &ImageDownloadOperation::onReadyRead);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &ImageDownloadOperation::onProgress);
    connect(m_reply, &QNetworkReply::finished, this, &ImageDownloadOperation::onFinished);
}

void ImageDownloadOperation::abort()
{
    m_done = true;
    m_timeout.stop();
    m_deadline.stop();
    stopReply();
}

void ImageDownloadOperation::onMetaDataChanged()
{
    const qint64 length = m_fetch ? m_fetch->contentLength()
                                  : m_reply ? m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() : 0;
    if (length > m_config.maxResponseBytes)
        fail(ImageError::image(ImageError::BadImageData, QString::fromLatin1(ImageError::DecodeFailed)));
}

void ImageDownloadOperation::onReadyRead()
{
    m_timeout.start();
    readBody();
}

bool ImageDownloadOperation::readBody()
{
    if (m_done || (!m_reply && !m_fetch))
        return false;
    // Read one byte past the limit to tell "exactly the limit" from "too much".
    const qint64 room = m_config.maxResponseBytes + 1 - m_data.size();
    m_data += m_fetch ? m_fetch->read(room) : m_reply->read(room);
    if (m_data.size() > m_config.maxResponseBytes) {
        m_data.clear();
        fail(ImageError::image(ImageError::BadImageData, QString::fromLatin1(ImageError::DecodeFailed)));
        return false;
    }
    return true;
}

void ImageDownloadOperation::onProgress(qint64 received, qint64 expected)
{
    if (m_done)
        return;
    m_timeout.start();
    if (m_config.minimumProgressInterval > 0 && expected > 0) {
        const double fraction = double(received) / double(expected);
        if (received < expected && fraction - m_lastReported < m_config.minimumProgressInterval)
            return;
        m_lastReported = fraction;
    }
    emit progress(received, expected);
}

void ImageDownloadOperation::onFinished()
{
    if (m_done || (!m_reply && !m_fetch))
        return;
    if (m_fetch && !m_fetch->fallbackUrl().isEmpty()) {
        // Something the light client does not speak: the network access manager takes over.
        const QUrl url = m_fetch->fallbackUrl();
        stopReply();
        m_data.clear();
        m_timeout.start();
        startNetwork(url);
        return;
    }
    m_timeout.stop();
    m_deadline.stop();
    if (!readBody())
        return;
    QVariant status;
    QNetworkReply::NetworkError networkError;
    QString errorString;
    QString contentType;
    if (m_fetch) {
        if (m_fetch->statusCode() > 0)
            status = m_fetch->statusCode();
        networkError = m_fetch->error();
        errorString = m_fetch->errorString();
        contentType = QString::fromLatin1(m_fetch->header("content-type"));
    } else {
        status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        networkError = m_reply->error();
        errorString = m_reply->errorString();
        contentType = m_reply->header(QNetworkRequest::ContentTypeHeader).toString();
    }
    const ImageError transportError =
        networkError == QNetworkReply::NoError ? ImageError{} : UrlErrors::fromReply(networkError, errorString);

    if (status.isValid()) {
        const int code = status.toInt();
        if (!m_config.acceptableStatusCodes.contains(code)) {
            if (code == 304)
                fail(ImageError::image(ImageError::CacheNotModified, QString::fromLatin1(ImageError::NotModified)));
            else
                fail(ImageError::invalidStatus(code, transportError));
            return;
        }
    }
    if (!transportError.isNull()) {
        fail(transportError);
        return;
    }
    if (!m_config.acceptableContentTypes.isEmpty()) {
        const QString type = contentType.section(QLatin1Char(';'), 0, 0).trimmed().toLower();
        if (!m_config.acceptableContentTypes.contains(type)) {
            fail(ImageError::image(ImageError::InvalidDownloadContentType,
                                   QString::fromLatin1(ImageError::InvalidContentTypeFormat).arg(type)));
            return;
        }
    }
    m_done = true;
    const QByteArray data = std::exchange(m_data, {});
    stopReply();
    emit bodyReceived(data);
}

void ImageDownloadOperation::onTimeout()
{
    fail(UrlErrors::make(UrlErrors::TimedOut, QStringLiteral("The request timed out.")));
}

void ImageDownloadOperation::fail(const ImageError &error)
{
    if (m_done)
        return;
    m_done = true;
    m_timeout.stop();
    m_deadline.stop();
    m_data.clear();
    stopReply();
    emit failed(error);
}

void ImageDownloadOperation::stopReply()
{
    if (PlainHttpFetch *fetch = m_fetch) {
        m_fetch = nullptr;
        disconnect(fetch, nullptr, this, nullptr);
        fetch->abort();
        fetch->deleteLater(); // this may run inside one of its signals
    }
    if (!m_reply)
        return;
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    disconnect(reply, nullptr, this, nullptr);
    // Deleting the reply stops its request. abort() is not used: when the network thread has
    // already queued the reply's own failure, that failure arrives after the abort's
    // cancellation and Qt reports the double ending ("this method must only be called once").
    // Later, not at once: this may run inside one of the reply's own signals.
    reply->deleteLater();
}
