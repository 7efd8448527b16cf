#pragma once

#include "faults.h"

#include <QAbstractHttpServer>
#include <QHash>
#include <QByteArray>
#include <QString>

class QTextStream;

// The maker's web server: answers GET and HEAD with the files under one root directory, and
// nothing outside it. Paths are checked before the file system is touched, and every file found
// is checked again through its canonical path, so neither "..", encoded separators nor symlinks
// can lead a request out of the root.
class MakerServer : public QAbstractHttpServer
{
    Q_OBJECT

public:
    // Where a request path leads: a file inside the root, or the status to answer with.
    struct Resolution {
        int status = 404;
        QString filePath; // canonical, set when status is 200
    };

    // log, when given, receives one line per request ("GET /Cydia.json 200 1234").
    explicit MakerServer(const QString &root, QTextStream *log = nullptr, QObject *parent = nullptr);

    // Empty when the root given does not exist or is not a directory.
    QString root() const { return m_root; }

    // encodedPath is the request path as sent, still percent-encoded, without the query.
    Resolution resolve(const QByteArray &encodedPath) const;

    static QByteArray contentType(const QString &fileName);

    // Paths (as requested, still encoded) answered with a fault instead of their file.
    void setFaults(const QHash<QString, Fault> &faults) { m_faults = faults; }

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    void logLine(const QHttpServerRequest &request, int status, qint64 bytes) const;
    void answerFault(Fault fault, const QHttpServerRequest &request, QTcpSocket *socket);

    QString m_root; // canonical path without trailing slash
    QTextStream *m_log = nullptr;
    QHash<QString, Fault> m_faults;
};
