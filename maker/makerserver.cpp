#include "makerserver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QMetaEnum>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QStringDecoder>
#include <QTextStream>

namespace {

using StatusCode = QHttpServerResponder::StatusCode;

QByteArray methodName(QHttpServerRequest::Method method)
{
    const char *key = QMetaEnum::fromType<QHttpServerRequest::Method>().valueToKey(int(method));
    return key ? QByteArray(key).toUpper() : QByteArrayLiteral("UNKNOWN");
}

QByteArray reasonBody(int status)
{
    switch (status) {
    case 400: return QByteArrayLiteral("Bad Request\n");
    case 403: return QByteArrayLiteral("Forbidden\n");
    case 405: return QByteArrayLiteral("Method Not Allowed\n");
    default: return QByteArrayLiteral("Not Found\n");
    }
}

} // namespace

MakerServer::MakerServer(const QString &root, QTextStream *log, QObject *parent)
    : QAbstractHttpServer(parent)
    , m_log(log)
{
    const QFileInfo info(root);
    if (info.isDir())
        m_root = info.canonicalFilePath();
}

MakerServer::Resolution MakerServer::resolve(const QByteArray &encodedPath) const
{
    if (m_root.isEmpty())
        return {404, {}};
    if (!encodedPath.startsWith('/'))
        return {400, {}};

    // Encoded separators and NULs are refused before decoding, so that nothing decoded below can
    // add a path level that the segment checks did not see.
    const QByteArray lower = encodedPath.toLower();
    if (lower.contains("%2f") || lower.contains("%5c") || lower.contains("%00") || encodedPath.contains('\\'))
        return {400, {}};

    const QByteArray decoded = QByteArray::fromPercentEncoding(encodedPath);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString path = utf8.decode(decoded);
    if (utf8.hasError())
        return {400, {}};
    for (const QChar c : path) {
        if (c.unicode() < 0x20 || c == QChar(0x7f) || c == u'\\')
            return {400, {}};
    }

    const QStringList segments = path.mid(1).split(u'/');
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const QString &segment = segments.at(i);
        if (segment.isEmpty()) {
            // A trailing slash names a directory, and directories are not listed; an empty
            // segment anywhere else ("//etc/passwd") is not a path this site has.
            if (i == segments.size() - 1)
                return {404, {}};
            return {400, {}};
        }
        if (segment == u"." || segment == u"..")
            return {400, {}};
        if (segment.startsWith(u'.'))
            return {404, {}}; // hidden files are not part of the site
    }

    const QFileInfo info(m_root + u'/' + segments.join(u'/'));
    if (!info.isFile())
        return {404, {}};
    // A symlink may point anywhere; only what really lies under the root is served.
    const QString canonical = info.canonicalFilePath();
    const QString prefix = m_root.endsWith(u'/') ? m_root : m_root + u'/';
    if (canonical.isEmpty() || !canonical.startsWith(prefix))
        return {404, {}};
    return {200, canonical};
}

QByteArray MakerServer::contentType(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix.isEmpty() || suffix == u"html" || suffix == u"htm")
        return QByteArrayLiteral("text/html; charset=utf-8"); // pages such as "/AddToKestrel"
    if (suffix == u"json")
        return QByteArrayLiteral("application/json");
    if (suffix == u"plist")
        return QByteArrayLiteral("application/xml");
    if (suffix == u"png")
        return QByteArrayLiteral("image/png");
    if (suffix == u"jpg" || suffix == u"jpeg")
        return QByteArrayLiteral("image/jpeg");
    if (suffix == u"txt")
        return QByteArrayLiteral("text/plain; charset=utf-8");
    return QByteArrayLiteral("application/octet-stream");
}

bool MakerServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    const auto fault = m_faults.constFind(request.url().path(QUrl::FullyEncoded));
    if (fault != m_faults.cend()) {
        answerFault(*fault, request, socket);
        return true;
    }
    QHttpServerResponder responder = makeResponder(request, socket);
    const QHttpServerRequest::Method method = request.method();
    const bool head = method == QHttpServerRequest::Method::Head;

    int status = 405;
    QByteArray body;
    QByteArray type = QByteArrayLiteral("text/plain; charset=utf-8");
    if (method == QHttpServerRequest::Method::Get || head) {
        const Resolution found = resolve(request.url().path(QUrl::FullyEncoded).toUtf8());
        status = found.status;
        if (status == 200) {
            QFile file(found.filePath);
            if (file.open(QIODevice::ReadOnly)) {
                body = file.readAll();
                type = contentType(found.filePath);
            } else {
                status = 403;
            }
        }
    }
    if (status != 200)
        body = reasonBody(status);

    const QByteArray length = QByteArray::number(body.size());
    if (head) {
        // Same headers as the GET would carry, no body.
        responder.writeStatusLine(StatusCode(status));
        responder.writeHeaders({{"Content-Type", type}, {"Content-Length", length}});
        responder.writeBody(QByteArray());
    } else if (status == 405) {
        responder.write(body, {{"Content-Type", type}, {"Allow", "GET, HEAD"}}, StatusCode(status));
    } else {
        responder.write(body, {{"Content-Type", type}}, StatusCode(status));
    }
    logLine(request, status, head ? 0 : body.size());
    return true;
}

void MakerServer::missingHandler(const QHttpServerRequest &request, QTcpSocket *socket)
{
    // handleRequest answers every request; this only runs if that ever changes.
    makeResponder(request, socket).write(reasonBody(404), "text/plain; charset=utf-8", StatusCode::NotFound);
    logLine(request, 404, reasonBody(404).size());
}

void MakerServer::answerFault(Fault fault, const QHttpServerRequest &request, QTcpSocket *socket)
{
    // The answer the path would have had, for the faults that spoil a real answer.
    const QByteArray path = request.url().path(QUrl::FullyEncoded).toUtf8();
    const Resolution found = resolve(path);
    QByteArray body;
    QByteArray type = QByteArrayLiteral("text/plain; charset=utf-8");
    if (found.status == 200) {
        QFile file(found.filePath);
        if (file.open(QIODevice::ReadOnly)) {
            body = file.readAll();
            type = contentType(found.filePath);
        }
    }
    if (m_log)
        *m_log << methodName(request.method()) << ' ' << path << " fault " << Faults::names().at(int(fault)) << Qt::endl;
    // Answered once the server has finished with the request, since some faults close the socket.
    QPointer<QTcpSocket> guard(socket);
    QTimer::singleShot(0, socket, [guard, fault, path, body, type] {
        if (guard)
            Faults::answer(fault, guard, path, body, type);
    });
}

void MakerServer::logLine(const QHttpServerRequest &request, int status, qint64 bytes) const
{
    if (!m_log)
        return;
    *m_log << methodName(request.method()) << ' ' << request.url().path(QUrl::FullyEncoded) << ' ' << status
           << ' ' << bytes << Qt::endl;
}
