#pragma once

#include "imagedownloaderconfig.h"
#include "imageerror.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class PlainHttpFetch;
class QNetworkAccessManager;
class QNetworkReply;

// One network fetch of one URL for the image downloader: sends the request, collects the
// body up to the size limit, watches the timeout and the overall deadline and judges the response. It reports either
// the body (for decoding) or an error, exactly once. Lives on the downloader's thread. Plain
// http to an address goes through the light client; the rest, and what that client hands
// back, through the network access manager.
class ImageDownloadOperation : public QObject
{
    Q_OBJECT

public:
    ImageDownloadOperation(const QUrl &url, quint64 id, const ImageDownloaderConfig &config, QObject *parent = nullptr);
    ~ImageDownloadOperation() override;

    QUrl url() const { return m_url; }
    quint64 id() const { return m_id; }
    bool isStarted() const { return m_started; }

    void start(QNetworkAccessManager *network, const QHash<QByteArray, QByteArray> &headers);
    // Stops the fetch without reporting anything.
    void abort();

signals:
    void progress(qint64 received, qint64 expected);
    void bodyReceived(const QByteArray &data);
    void failed(const ImageError &error);

private:
    void startNetwork(const QUrl &url);
    void startPlain();
    void onMetaDataChanged();
    void onReadyRead();
    void onProgress(qint64 received, qint64 expected);
    void onFinished();
    void onTimeout();
    bool readBody();
    void fail(const ImageError &error);
    void stopReply();

    QUrl m_url;
    quint64 m_id;
    ImageDownloaderConfig m_config;
    QNetworkAccessManager *m_network = nullptr;
    QHash<QByteArray, QByteArray> m_headers;
    QPointer<QNetworkReply> m_reply;
    QPointer<PlainHttpFetch> m_fetch;
    QByteArray m_data;
    QTimer m_timeout;
    QTimer m_deadline;
    double m_lastReported = -1;
    bool m_started = false;
    bool m_done = false;
};
