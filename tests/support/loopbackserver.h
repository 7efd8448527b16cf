#pragma once

#include <QHash>
#include <QMap>
#include <QTcpServer>
#include <QUrl>
#include <functional>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 with a free port, run in the test's own event loop.
// Routes answer by path; a route can also stall, send an endless body or drop the connection,
// so clients can be tested against the faults of a real network.
class LoopbackServer : public QObject
{
    Q_OBJECT

public:
    struct Request {
        QByteArray method;
        QByteArray path; // with query
        QMap<QByteArray, QByteArray> headers; // lower-case names
    };
    struct Response {
        int status = 200;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
        int delayMs = 0;          // wait before answering
        bool endless = false;     // stream body bytes until the client goes away
        bool dropConnection = false; // close without answering
    };
    using Handler = std::function<Response(const Request &)>;

    explicit LoopbackServer(QObject *parent = nullptr);
    ~LoopbackServer() override;

    bool start();
    quint16 port() const;
    QUrl url(const QString &path) const;

    void route(const QByteArray &path, Handler handler);
    void route(const QByteArray &path, const Response &response);
    // Requests seen per path, and every request in order.
    int hits(const QByteArray &path) const { return m_hits.value(path); }
    const QList<Request> &requests() const { return m_requests; }

private:
    void onReadyRead(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const Response &response);

    QTcpServer m_server;
    QHash<QByteArray, Handler> m_routes;
    QHash<QByteArray, int> m_hits;
    QList<Request> m_requests;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};
