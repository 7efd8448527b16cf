#include "imagedownloader.h"

#include "imagedownloadoperation.h"
#include "ownerinbox.h"
#include "workqueue.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMutexLocker>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QAuthenticator>
#include <QThread>

#include <algorithm>
#include <memory>
#include <unicode/translit.h>
#include <unicode/unistr.h>

ImageDownloader::ImageDownloader(const ImageDownloaderConfig &config, const QString &userAgent, QObject *parent)
    : QObject(parent),
      m_config(config),
      m_network(new QNetworkAccessManager(this)),
      m_decoded(std::make_unique<OwnerInbox>(this)),
      m_decoders(std::make_unique<WorkQueue>(QString::fromLatin1(QueueName), std::max(1, QThread::idealThreadCount()), DecoderNiceness))
{
    m_network->setObjectName(QString::fromLatin1(QueueName));
    m_headers.insert("Accept", AcceptHeader);
    if (!userAgent.isEmpty())
        m_headers.insert("User-Agent", userAgent.toUtf8());

    connect(m_network, &QNetworkAccessManager::authenticationRequired, this,
            [this](QNetworkReply *reply, QAuthenticator *authenticator) {
                // Offer the configured credential once; a second request for it means it was refused.
                if (m_config.username.isEmpty() || reply->property("kestrelCredentialOffered").toBool())
                    return;
                reply->setProperty("kestrelCredentialOffered", true);
                authenticator->setUser(m_config.username);
                authenticator->setPassword(m_config.password);
            });
}

ImageDownloader::~ImageDownloader()
{
    // Nobody waits for pictures not yet decoded; the running ones end before the inbox goes.
    m_decoders->discardPending();
    m_decoders.reset();
}

std::shared_ptr<ImageDownloadToken> ImageDownloader::downloadImage(const QUrl &url, Progress progress,
                                                                   Completion completion)
{
    if (url.isEmpty()) {
        const ImageError error = ImageError::image(ImageError::InvalidUrl, QString::fromLatin1(ImageError::UrlIsNil));
        QMetaObject::invokeMethod(this, [completion, error] { completion({}, {}, error, true); }, Qt::QueuedConnection);
        return nullptr;
    }
    QMutexLocker lock(&m_downloadsLock);
    auto it = m_downloads.find(url);
    if (it == m_downloads.end()) {
        auto *operation = new ImageDownloadOperation(url, ++m_nextId, m_config, this);
        const quint64 id = operation->id();
        connect(operation, &ImageDownloadOperation::progress, this, [this, url, id](qint64 received, qint64 expected) {
            QList<Handler> handlers;
            {
                QMutexLocker lock(&m_downloadsLock);
                auto found = m_downloads.constFind(url);
                if (found == m_downloads.constEnd() || found->operation->id() != id)
                    return;
                handlers = found->handlers;
            }
            for (const Handler &handler : handlers) {
                if (handler.progress)
                    handler.progress(received, expected, url);
            }
        });
        connect(operation, &ImageDownloadOperation::failed, this,
                [this, url, id](const ImageError &error) { deliver(url, id, {}, {}, error); });
        connect(operation, &ImageDownloadOperation::bodyReceived, this, [this, operation](const QByteArray &data) {
            // The network part is over: the next download may start while this one decodes.
            {
                QMutexLocker lock(&m_downloadsLock);
                m_active.remove(operation);
            }
            startQueued();
            decode(operation, data);
        });
        it = m_downloads.insert(url, Download{operation, {}});
        m_queue.append(operation);
    }
    auto token = std::make_shared<ImageDownloadToken>(url, it->operation->id(), ++m_nextId);
    it->handlers.append(Handler{token->m_id, std::move(progress), std::move(completion)});
    lock.unlock();
    startQueued();
    return token;
}

void ImageDownloader::cancel(const std::shared_ptr<ImageDownloadToken> &token)
{
    if (!token)
        return;
    Handler handler;
    bool started = false;
    bool last = false;
    {
        QMutexLocker lock(&m_downloadsLock);
        auto it = m_downloads.find(token->m_url);
        if (it == m_downloads.end() || it->operation->id() != token->m_operationId)
            return;
        auto share = std::find_if(it->handlers.begin(), it->handlers.end(),
                                  [&token](const Handler &h) { return h.id == token->m_id; });
        if (share == it->handlers.end())
            return;
        handler = std::move(*share);
        it->handlers.erase(share);
        started = it->operation->isStarted();
        last = it->handlers.isEmpty();
    }
    if (last) {
        Download download = detach(token->m_url);
        download.operation->abort();
        download.operation->deleteLater();
        startQueued();
    }
    const char *message = started ? ImageError::CancelledSending : ImageError::CancelledBeforeSending;
    handler.completion({}, {}, ImageError::image(ImageError::Cancelled, QString::fromLatin1(message)), true);
}

void ImageDownloader::cancelAllDownloads()
{
    QList<QUrl> urls;
    {
        QMutexLocker lock(&m_downloadsLock);
        urls = m_downloads.keys();
    }
    for (const QUrl &url : urls) {
        Download download = detach(url);
        if (!download.operation)
            continue;
        const bool started = download.operation->isStarted();
        download.operation->abort();
        download.operation->deleteLater();
        const ImageError error = ImageError::image(
            ImageError::Cancelled,
            QString::fromLatin1(started ? ImageError::CancelledSending : ImageError::CancelledBeforeSending));
        for (const Handler &handler : download.handlers)
            handler.completion({}, {}, error, true);
    }
}

void ImageDownloader::setHttpHeader(const QByteArray &name, const QByteArray &value)
{
    if (value.isNull())
        m_headers.remove(name);
    else
        m_headers.insert(name, value);
}

int ImageDownloader::runningDownloadCount() const
{
    QMutexLocker lock(&m_downloadsLock);
    return int(m_active.size());
}

int ImageDownloader::queuedDownloadCount() const
{
    QMutexLocker lock(&m_downloadsLock);
    return int(m_queue.size());
}

int ImageDownloader::downloadCount() const
{
    QMutexLocker lock(&m_downloadsLock);
    return int(m_downloads.size());
}

void ImageDownloader::startQueued()
{
    const int limit = std::max(1, m_config.maxConcurrentDownloads);
    for (;;) {
        ImageDownloadOperation *next = nullptr;
        {
            QMutexLocker lock(&m_downloadsLock);
            if (m_active.size() >= limit || m_queue.isEmpty())
                return;
            next = m_queue.takeFirst();
            m_active.insert(next);
        }
        next->start(m_network, m_headers);
    }
}

void ImageDownloader::decode(ImageDownloadOperation *operation, const QByteArray &data)
{
    const QUrl url = operation->url();
    const quint64 id = operation->id();
    const qint64 maxPixels = m_config.maxDecodedPixels;
    m_decoders->post([this, url, id, data, maxPixels] {
        const ImageDecoder::Result result = ImageDecoder::decode(data, maxPixels);
        m_decoded->post([this, url, id, result, data] { finishDecoding(url, id, result, data); });
    });
}

void ImageDownloader::finishDecoding(const QUrl &url, quint64 id, const ImageDecoder::Result &result,
                                     const QByteArray &data)
{
    using Failure = ImageDecoder::Result::Failure;
    switch (result.failure) {
    case Failure::None:
        deliver(url, id, result.image, data, {});
        return;
    case Failure::NoData:
        deliver(url, id, {}, {}, ImageError::image(ImageError::BadImageData, QString::fromLatin1(ImageError::DataIsNil)));
        return;
    case Failure::NoPixels:
        deliver(url, id, {}, {}, ImageError::image(ImageError::BadImageData, QString::fromLatin1(ImageError::ZeroPixels)));
        return;
    case Failure::Undecodable:
    case Failure::TooLarge:
        deliver(url, id, {}, {}, ImageError::image(ImageError::BadImageData, QString::fromLatin1(ImageError::DecodeFailed)));
        return;
    }
}

void ImageDownloader::deliver(const QUrl &url, quint64 id, const QImage &image, const QByteArray &data,
                              const ImageError &error)
{
    {
        QMutexLocker lock(&m_downloadsLock);
        auto it = m_downloads.constFind(url);
        if (it == m_downloads.constEnd() || it->operation->id() != id)
            return; // cancelled meanwhile
    }
    Download download = detach(url);
    download.operation->deleteLater(); // it may be the sender of the signal that brought us here
    startQueued();
    for (const Handler &handler : download.handlers)
        handler.completion(image, data, error, true);
}

ImageDownloader::Download ImageDownloader::detach(const QUrl &url)
{
    QMutexLocker lock(&m_downloadsLock);
    Download download = m_downloads.take(url);
    if (!download.operation)
        return download;
    m_queue.removeOne(download.operation);
    m_active.remove(download.operation);
    return download;
}

QString ImageDownloader::userAgent(const QString &executable, const QString &version, const QString &model,
                                   const QString &systemVersion, double scale)
{
    QString agent = QStringLiteral("%1/%2 (%3; iOS %4; Scale/%5)")
                        .arg(executable, version, model, systemVersion, QString::number(scale, 'f', 2));
    // A header value must not carry line breaks or other control characters.
    for (QChar &c : agent) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char(' ');
    }
    const bool ascii = std::all_of(agent.cbegin(), agent.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii)
        return agent;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> transliterator(icu::Transliterator::createInstance(
        icu::UnicodeString::fromUTF8("Any-Latin; Latin-ASCII; [:^ASCII:] Remove"), UTRANS_FORWARD, status));
    if (U_FAILURE(status) || !transliterator)
        return agent;
    icu::UnicodeString text(reinterpret_cast<const char16_t *>(agent.utf16()), int32_t(agent.size()));
    transliterator->transliterate(text);
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

QString ImageDownloader::applicationUserAgent(const QString &model, const QString &systemVersion, double scale,
                                              const QString &fallbackVersion)
{
    QString executable = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    if (executable.isEmpty())
        executable = QCoreApplication::applicationName();
    QString version = QCoreApplication::applicationVersion();
    if (version.isEmpty())
        version = fallbackVersion;
    return userAgent(executable, version, model, systemVersion, scale);
}
