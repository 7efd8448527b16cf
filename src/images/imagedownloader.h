#pragma once

#include "imagedecoder.h"
#include "imagedownloaderconfig.h"
#include "imageerror.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QUrl>
#include <functional>
#include <memory>

class ImageDownloadOperation;
class OwnerInbox;
class WorkQueue;
class QNetworkAccessManager;

// One caller's share of a download; hand it back to cancel that share.
class ImageDownloadToken
{
public:
    ImageDownloadToken(const QUrl &url, quint64 operationId, quint64 id) : m_url(url), m_operationId(operationId), m_id(id) {}
    QUrl url() const { return m_url; }

private:
    friend class ImageDownloader;
    QUrl m_url;
    quint64 m_operationId;
    quint64 m_id;
};

// Fetches pictures over HTTP with its own network access manager: at most
// maxConcurrentDownloads at once (the rest wait in order), one download per URL however many
// callers want it, no cookies, no local URL cache, the default "User-Agent" and "Accept"
// headers. Bodies are decoded on a worker pool, never on the GUI thread. Call it from the
// thread it lives on; progress and completions are called there.
class ImageDownloader : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *QueueName = "com.quillon.ImageDownloader";
    static constexpr const char *UserAgentFormat = "%@/%@ (%@; iOS %@; Scale/%0.2f)";
    static constexpr const char *AcceptHeader = "image/*,*/*;q=0.8";
    // Decoding waits while the GUI thread or the next request wants the processor.
    static constexpr int DecoderNiceness = 10;

    using Progress = std::function<void(qint64 received, qint64 expected, const QUrl &url)>;
    using Completion = std::function<void(const QImage &image, const QByteArray &data, const ImageError &error, bool finished)>;

    explicit ImageDownloader(const ImageDownloaderConfig &config = ImageDownloaderConfig::defaultConfig(),
                             const QString &userAgent = QString(), QObject *parent = nullptr);
    ~ImageDownloader() override;

    // The returned token cancels this caller's share; null when the URL is empty (the
    // completion then reports "Image url is nil", after this returns).
    std::shared_ptr<ImageDownloadToken> downloadImage(const QUrl &url, Progress progress, Completion completion);
    // The share's completion reports 2002 at once; the download stops when no share is left.
    void cancel(const std::shared_ptr<ImageDownloadToken> &token);
    void cancelAllDownloads();

    const ImageDownloaderConfig &config() const { return m_config; }
    QByteArray httpHeader(const QByteArray &name) const { return m_headers.value(name); }
    void setHttpHeader(const QByteArray &name, const QByteArray &value);

    int runningDownloadCount() const;
    int queuedDownloadCount() const;
    int downloadCount() const; // distinct URLs in flight

    // The format filled in, transliterated to ASCII when it is not ASCII already.
    static QString userAgent(const QString &executable, const QString &version, const QString &model,
                             const QString &systemVersion, double scale);
    // The same for this program: its executable name (else its application name) and its
    // application version (else fallbackVersion).
    static QString applicationUserAgent(const QString &model, const QString &systemVersion, double scale,
                                        const QString &fallbackVersion);

private:
    struct Handler {
        quint64 id;
        Progress progress;
        Completion completion;
    };
    struct Download {
        ImageDownloadOperation *operation;
        QList<Handler> handlers;
    };

    void startQueued();
    void decode(ImageDownloadOperation *operation, const QByteArray &data);
    void finishDecoding(const QUrl &url, quint64 id, const ImageDecoder::Result &result, const QByteArray &data);
    void deliver(const QUrl &url, quint64 id, const QImage &image, const QByteArray &data, const ImageError &error);
    // Takes the download out of the map and the queue and frees its slot.
    Download detach(const QUrl &url);

    ImageDownloaderConfig m_config;
    QNetworkAccessManager *m_network;
    QHash<QByteArray, QByteArray> m_headers;
    mutable QMutex m_downloadsLock; // the URL-to-download map may be inspected from any thread
    QHash<QUrl, Download> m_downloads;
    QList<ImageDownloadOperation *> m_queue;
    // Downloads holding one of the maxConcurrentDownloads network slots; decoding holds none.
    QSet<ImageDownloadOperation *> m_active;
    quint64 m_nextId = 0;
    std::unique_ptr<OwnerInbox> m_decoded;  // decoded pictures on their way to this thread
    std::unique_ptr<WorkQueue> m_decoders; // goes first: its threads post into m_decoded
};
