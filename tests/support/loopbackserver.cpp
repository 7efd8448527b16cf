#include "loopbackserver.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

LoopbackServer::LoopbackServer(QObject *parent) : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                m_buffers.remove(socket);
                socket->deleteLater();
            });
        }
    });
}

LoopbackServer::~LoopbackServer()
{
    // Open connections hang up as the server goes; their handlers must not reach members that
    // are already gone.
    for (QTcpSocket *socket : m_server.findChildren<QTcpSocket *>()) {
        disconnect(socket, nullptr, this, nullptr);
        socket->abort();
    }
}

bool LoopbackServer::start() { return m_server.listen(QHostAddress::LocalHost, 0); }

quint16 LoopbackServer::port() const { return m_server.serverPort(); }

QUrl LoopbackServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path));
}

void LoopbackServer::route(const QByteArray &path, Handler handler) { m_routes.insert(path, std::move(handler)); }

void LoopbackServer::route(const QByteArray &path, const Response &response)
{
    route(path, [response](const Request &) { return response; });
}

void LoopbackServer::onReadyRead(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    const int end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    buffer.remove(0, end + 4); // requests here carry no body
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    Request request;
    request.method = first.value(0);
    request.path = first.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const int colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    m_requests.append(request);
    const QByteArray routeKey = request.path.split('?').value(0);
    ++m_hits[routeKey];

    Response response;
    if (auto it = m_routes.constFind(routeKey); it != m_routes.constEnd())
        response = (*it)(request);
    else
        response = Response{404, "not found", {}, 0, false, false};

    QPointer<QTcpSocket> guarded(socket);
    QTimer::singleShot(response.delayMs, this, [this, guarded, response] {
        if (guarded)
            answer(guarded, response);
    });
}

void LoopbackServer::answer(QTcpSocket *socket, const Response &response)
{
    if (response.dropConnection) {
        socket->abort();
        return;
    }
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n";
    for (const auto &[name, value] : response.headers)
        head += name + ": " + value + "\r\n";
    if (!response.endless)
        head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);
    if (!response.endless) {
        socket->write(response.body);
        socket->disconnectFromHost();
        return;
    }
    // Endless: keep the pipe full until the client hangs up.
    const QByteArray chunk = response.body.isEmpty() ? QByteArray(64 * 1024, 'x') : response.body;
    auto *pump = new QTimer(socket);
    connect(pump, &QTimer::timeout, socket, [socket, chunk] {
        if (socket->bytesToWrite() < 4 * chunk.size())
            socket->write(chunk);
    });
    pump->start(1);
}
