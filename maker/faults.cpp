#include "faults.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QtEndian>

#include <sys/socket.h>

namespace {

struct Named {
    const char *name;
    Fault fault;
};

constexpr Named Table[] = {
    {"404", Fault::NotFound},          {"500", Fault::ServerError},      {"503", Fault::Unavailable},
    {"drip", Fault::Drip},             {"truncated", Fault::Truncated},  {"endless", Fault::Endless},
    {"reset", Fault::Reset},           {"invalid-json", Fault::InvalidJson}, {"wrong-shape", Fault::WrongShape},
    {"wrong-type", Fault::WrongType},  {"not-picture", Fault::NotPicture}, {"huge-picture", Fault::HugePicture},
    {"redirect-loop", Fault::RedirectLoop},
};

QByteArray head(int status, const QByteArray &reason, const QByteArray &type, std::optional<qint64> length,
                const QByteArray &extra = {})
{
    QByteArray text = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\nContent-Type: " + type + "\r\n";
    if (length)
        text += "Content-Length: " + QByteArray::number(*length) + "\r\n";
    return text + extra + "Connection: close\r\n\r\n";
}

void whole(QTcpSocket *socket, int status, const QByteArray &reason, const QByteArray &type, const QByteArray &body,
           const QByteArray &extra = {})
{
    socket->write(head(status, reason, type, body.size(), extra) + body);
    socket->disconnectFromHost();
}

// Calls step every interval while the socket stays open; step returns false when done.
void every(QTcpSocket *socket, int intervalMs, std::function<bool(QTcpSocket *)> step)
{
    auto *timer = new QTimer(socket);
    QPointer<QTcpSocket> guard(socket);
    QObject::connect(timer, &QTimer::timeout, socket, [timer, guard, step] {
        if (!guard || guard->state() != QAbstractSocket::ConnectedState || !step(guard)) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(intervalMs);
}

void appendChunk(QByteArray &png, const char *type, const QByteArray &data)
{
    QByteArray chunk = QByteArray(type, 4) + data;
    uchar length[4];
    qToBigEndian<quint32>(quint32(data.size()), length);
    uchar crc[4];
    quint32 c = 0xffffffffu;
    for (const char byte : chunk) {
        c ^= quint8(byte);
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xedb88320u & (0u - (c & 1u)));
    }
    qToBigEndian<quint32>(c ^ 0xffffffffu, crc);
    png += QByteArray(reinterpret_cast<const char *>(length), 4) + chunk + QByteArray(reinterpret_cast<const char *>(crc), 4);
}

} // namespace

std::optional<Fault> Faults::fromName(const QString &name)
{
    for (const Named &entry : Table) {
        if (name == QLatin1String(entry.name))
            return entry.fault;
    }
    return std::nullopt;
}

QStringList Faults::names()
{
    QStringList list;
    for (const Named &entry : Table)
        list << QLatin1String(entry.name);
    return list;
}

std::optional<QHash<QString, Fault>> Faults::parse(const QString &text)
{
    QHash<QString, Fault> faults;
    for (const QString &part : text.split(u',', Qt::SkipEmptyParts)) {
        const qsizetype eq = part.lastIndexOf(u'=');
        if (eq <= 0 || !part.startsWith(u'/'))
            return std::nullopt;
        const std::optional<Fault> fault = fromName(part.mid(eq + 1));
        if (!fault)
            return std::nullopt;
        faults.insert(part.left(eq), *fault);
    }
    return faults;
}

QByteArray Faults::hugePng()
{
    static const QByteArray png = [] {
        constexpr quint32 Side = 20000;
        QByteArray header(13, '\0');
        qToBigEndian<quint32>(Side, header.data());
        qToBigEndian<quint32>(Side, header.data() + 4);
        header[8] = 1; // bit depth
        header[9] = 0; // grey
        // Each row: filter byte 0, then Side bits of black.
        const QByteArray raw(qsizetype(Side) * (1 + Side / 8), '\0');
        QByteArray out("\x89PNG\r\n\x1a\n", 8);
        appendChunk(out, "IHDR", header);
        appendChunk(out, "IDAT", qCompress(raw, 9).mid(4)); // qCompress prefixes the length
        appendChunk(out, "IEND", {});
        return out;
    }();
    return png;
}

void Faults::answer(Fault fault, QTcpSocket *socket, const QByteArray &path, const QByteArray &realBody,
                    const QByteArray &realType)
{
    switch (fault) {
    case Fault::NotFound:
        return whole(socket, 404, "Not Found", "text/plain", "Not Found\n");
    case Fault::ServerError:
        return whole(socket, 500, "Internal Server Error", "text/plain", "Internal Server Error\n");
    case Fault::Unavailable:
        return whole(socket, 503, "Service Unavailable", "text/plain", "Service Unavailable\n", "Retry-After: 1\r\n");
    case Fault::Drip: {
        socket->write(head(200, "OK", realType, realBody.size()));
        auto sent = std::make_shared<qsizetype>(0);
        every(socket, 1000, [realBody, sent](QTcpSocket *s) {
            if (*sent >= realBody.size()) {
                s->disconnectFromHost();
                return false;
            }
            s->write(realBody.mid((*sent)++, 1));
            return true;
        });
        return;
    }
    case Fault::Truncated:
        socket->write(head(200, "OK", realType, realBody.size()) + realBody.left(realBody.size() / 2));
        socket->disconnectFromHost();
        return;
    case Fault::Endless: {
        socket->write(head(200, "OK", realType, std::nullopt));
        const QByteArray block(64 * 1024, '[');
        every(socket, 1, [block](QTcpSocket *s) {
            if (s->bytesToWrite() < 4 * block.size())
                s->write(block);
            return true;
        });
        return;
    }
    case Fault::Reset: {
        // Linger with a zero timeout makes the close a reset rather than an orderly end.
        const struct linger hard = {1, 0};
        ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
        socket->abort();
        return;
    }
    case Fault::InvalidJson:
        return whole(socket, 200, "OK", "application/json", R"([{"PackageName": "Half)");
    case Fault::WrongShape:
        return whole(socket, 200, "OK", "application/json", R"({"packages": [{"PackageName": 7}], "count": 1})");
    case Fault::WrongType:
        return whole(socket, 200, "OK", "text/html; charset=utf-8",
                     "<!DOCTYPE html><html><body><p>Sign in to the network first.</p></body></html>\n");
    case Fault::NotPicture:
        return whole(socket, 200, "OK", "image/png", "This is not a picture, only some words.\n");
    case Fault::HugePicture:
        return whole(socket, 200, "OK", "image/png", hugePng());
    case Fault::RedirectLoop:
        return whole(socket, 302, "Found", "text/plain", "Found\n", "Location: " + path + "\r\n");
    }
}
