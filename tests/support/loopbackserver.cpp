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

QUrl LoopbackServer::url(const QString &path) const { return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path)); }

void LoopbackServer::route(const QByteArray &path, Handler handler) { m_routes.insert(path, std::move(handler)); }

void LoopbackServer::route(const QByteArray &path, const Response &response) { route(path, [response](const Request &) { return response; }); }

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
    Request request{first.value(0), first.value(1), {}};
    for (const QByteArray &line : lines.mid(1)) {
        if (const int colon = line.indexOf(':'); colon > 0)
            request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }
    m_requests.append(request);
    const QByteArray routeKey = request.path.split('?').value(0);
    ++m_hits[routeKey];
    const auto handler = m_routes.constFind(routeKey);
    const Response response = handler != m_routes.constEnd() ? (*handler)(request) : Response{404, "not found", {}, 0, false, false};
    QTimer::singleShot(response.delayMs, this, [this, guarded = QPointer<QTcpSocket>(socket), response] {
        if (guarded)
            answer(guarded, response);
    });
}

void LoopbackServer::answer(QTcpSocket *socket, const Response &response)
{
    if (response.dropConnection)
        return socket->abort();
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n";
    for (const auto &[name, value] : response.headers)
        head += name + ": " + value + "\r\n";
    if (!response.endless)
        head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    socket->write(head + "Connection: close\r\n\r\n");
    if (!response.endless) {
        socket->write(response.body);
        return socket->disconnectFromHost();
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
