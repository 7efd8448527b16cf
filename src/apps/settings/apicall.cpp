#include "apicall.h"

#include "diagnostics.h"
#include "updatedecoder.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>

namespace apiCall {

void getUpdates(QNetworkAccessManager *network, const QString &address, QObject *receiver, Completion completion,
                int deadlineMs)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!network || !receiver || !url.isValid() || url.scheme().isEmpty() || url.host().isEmpty())
        return;

    QNetworkReply *reply = network->get(QNetworkRequest(url));
    // Stop reading at the cap: an endless or huge answer must not fill memory.
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
        if (received > MaxUpdateBodyBytes || total > MaxUpdateBodyBytes)
            reply->abort();
    });
    QObject::connect(receiver, &QObject::destroyed, reply, &QNetworkReply::abort);
    QTimer::singleShot(deadlineMs, reply, &QNetworkReply::abort);
    QObject::connect(reply, &QNetworkReply::finished, reply,
                     [reply, guard = QPointer<QObject>(receiver), completion = std::move(completion)] {
        reply->deleteLater();
        // Any answer counts, whatever its status; no answer at all (refused, dropped, cut off at
        // the cap) delivers nothing.
        const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
        if (!answered || reply->error() == QNetworkReply::OperationCanceledError)
            return;
        const QByteArray body = reply->readAll();
        QThreadPool::globalInstance()->start([body, guard, completion] {
            std::optional<Updates> updates = UpdateDecoder::decode(body);
            if (!updates)
                return;
            // The guard is only read on the GUI thread, where the receiver lives and dies.
            QMetaObject::invokeMethod(QCoreApplication::instance(), [updates = std::move(*updates), guard, completion] {
                kestrel::diagnostic(UpdateDecoder::dump(updates));
                if (guard)
                    completion(updates);
            }, Qt::QueuedConnection);
        });
    });
}

} // namespace apiCall
