#include "loadappsfunc.h"

#include "diagnostics.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace {

struct Transfer
{
    QByteArray body;
    bool givenUp = false; // cut off by the size cap or the timeout
};

void decodeAndComplete(QByteArray body, QPointer<QObject> context, LoadAppsFunc::Completion completion)
{
    // Decoding a large document takes long enough to drop frames, so it leaves the GUI thread;
    // only the finished list comes back.
    QThreadPool::globalInstance()->start([body = std::move(body), context = std::move(context),
                                          completion = std::move(completion)]() mutable {
        std::optional<QList<Packages>> packages = decodePackages(body);
        if (packages)
            kestrel::diagnostic(describePackages(*packages));
        // Even when nothing decoded, the completion goes back: what it captured belongs to the
        // GUI thread and is released there, never on this worker.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [packages = std::move(packages), context = std::move(context), completion = std::move(completion)] {
                if (packages && context)
                    completion(*packages);
            },
            Qt::QueuedConnection);
    });
}

// Content (2xx codes) and server (4xx codes) errors still carry the server's body.
bool isAnswer(QNetworkReply::NetworkError error)
{
    return error == QNetworkReply::NoError
        || (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError)
        || (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
}

} // namespace

bool LoadAppsFunc::fetch(QNetworkAccessManager *network, const QString &address, QObject *context,
                         Completion completion, int timeoutMs)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!network || address.isEmpty() || !url.isValid() || url.scheme().isEmpty())
        return false;

    QNetworkReply *reply = network->get(QNetworkRequest(url));
    auto transfer = std::make_shared<Transfer>();
    auto giveUp = [reply, transfer] {
        transfer->givenUp = true;
        transfer->body.clear();
        reply->abort();
    };

    auto *timer = new QTimer(reply);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, reply, giveUp);
    timer->start(timeoutMs);

    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, transfer, giveUp] {
        if (transfer->givenUp)
            return;
        transfer->body += reply->read(MaxBodyBytes + 1 - transfer->body.size());
        if (transfer->body.size() > MaxBodyBytes || reply->bytesAvailable() > 0)
            giveUp();
    });

    QObject::connect(reply, &QNetworkReply::finished, reply,
                     [reply, transfer, context = QPointer<QObject>(context), completion = std::move(completion)] {
                         reply->deleteLater();
                         if (transfer->givenUp)
                             return;
                         transfer->body += reply->readAll();
                         // The status is not judged: any answer whose body decodes counts, an error
                         // page included. A request that got no whole answer (refused, reset, unknown
                         // host, unknown scheme, broken protocol) has nothing to decode.
                         if (!isAnswer(reply->error()))
                             return;
                         if (transfer->body.size() > MaxBodyBytes)
                             return;
                         decodeAndComplete(std::move(transfer->body), context, completion);
                     });
    return true;
}
