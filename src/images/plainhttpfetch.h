#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QNetworkReply>
#include <QObject>
#include <QUrl>

class QSocketNotifier;

// One GET over plain HTTP/1.1 to a numeric address, on the thread it lives on, straight on
// the system's sockets: no network thread to hop to and back, no cookie jar, cache or proxy
// lookups, which a picture download never wants. It follows redirects as the network access manager does by default (at most
// 50, never from https to http) while they stay on plain HTTP. What it cannot finish itself
// (a chunked or compressed body, a redirect elsewhere) ends with fallbackUrl() set, to be
// fetched again by the network access manager. Signals mirror a network reply's.
class PlainHttpFetch : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxRedirects = 50;

    // Whether this client can fetch the URL: http to an IP address, no credentials in the URL,
    // no proxy set for the application, and no system proxy settings unless the address is
    // loopback.
    static bool handles(const QUrl &url);

    PlainHttpFetch(const QUrl &url, const QHash<QByteArray, QByteArray> &headers, QObject *parent = nullptr);
    ~PlainHttpFetch() override;

    void start();
    // Stops without signalling.
    void abort();

    QUrl url() const { return m_url; } // after redirects
    int statusCode() const { return m_status; } // 0 until the status line has arrived
    QByteArray header(const QByteArray &lowerName) const { return m_headers.value(lowerName); }
    qint64 contentLength() const { return m_length; } // -1 when not declared
    QByteArray read(qint64 maxSize);
    QNetworkReply::NetworkError error() const { return m_error; }
    QString errorString() const { return m_errorString; }
    QUrl fallbackUrl() const { return m_fallback; }

    // The network error the network access manager reports for an HTTP status, NoError for
    // statuses it takes as success.
    static QNetworkReply::NetworkError statusError(int status);

signals:
    void metaDataChanged();
    void readyRead();
    void downloadProgress(qint64 received, qint64 total);
    void finished();

private:
    static QByteArray requestFor(const QUrl &url, const QHash<QByteArray, QByteArray> &headers);
    void connectTo(const QUrl &url);
    void sendRequest();
    void onWritable();
    void onReadable();
    void onClosed();
    void failWith(int error); // an errno value
    bool parseHead();
    void takeBody(QByteArray bytes);
    void finish(QNetworkReply::NetworkError error = QNetworkReply::NoError, const QString &message = {});
    void closeSocket();

    QUrl m_url;
    QHash<QByteArray, QByteArray> m_requestHeaders;
    int m_fd = -1;
    QSocketNotifier *m_readable = nullptr;
    QSocketNotifier *m_writable = nullptr;
    QByteArray m_request;  // not sent yet
    QByteArray m_head;     // response bytes before the body
    QByteArray m_body;     // body bytes not read yet
    QHash<QByteArray, QByteArray> m_headers; // lower-case names
    int m_status = 0;
    QByteArray m_reason;
    bool m_headComplete = false;
    qint64 m_length = -1;
    qint64 m_received = 0;
    int m_redirects = 0;
    bool m_done = false;
    bool m_starting = false; // an ending found inside start() is signalled after it returns
    QNetworkReply::NetworkError m_error = QNetworkReply::NoError;
    QString m_errorString;
    QUrl m_fallback;
};
