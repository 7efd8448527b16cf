#include "imagedownloader.h"
#include "imageloader.h"
#include "imagetestdata.h"
#include "plainhttpfetch.h"
#include "urlerrors.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Answers each request with the bytes set for its path, then hangs up: the answers a well-behaved
// test server never gives (no length, cut short, in chunks, an interim answer first, not HTTP).
class RawServer : public QObject
{
public:
    RawServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QUrl url(const QString &host, const char *path) const
    {
        return QUrl(QStringLiteral("http://%1:%2%3").arg(host).arg(m_server.serverPort()).arg(QLatin1String(path)));
    }
    QHash<QByteArray, QByteArray> answers;
    QHash<QByteArray, int> hits;
    QByteArray lastRequest;

private:
    void answer(QTcpSocket *socket)
    {
        QByteArray &request = m_pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        lastRequest = m_pending.take(socket);
        const QByteArray path = lastRequest.split(' ').value(1);
        ++hits[path];
        socket->write(answers.value(path, "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n"));
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_pending;
};

struct Outcome {
    bool image = false;
    int code = 0;
    int underlying = 0; // the network's error beneath a rejected status
    bool blocks = false;
};

Outcome loadFrom(const QUrl &url, const QHash<QByteArray, QByteArray> &headers = {})
{
    QTemporaryDir dir;
    ImageCache cache(dir.path());
    ImageDownloader downloader;
    for (auto it = headers.constBegin(); it != headers.constEnd(); ++it)
        downloader.setHttpHeader(it.key(), it.value());
    ImageLoader loader(&cache, &downloader);
    Outcome outcome;
    bool done = false;
    loader.loadImage(url, [&](const QImage &image, const QByteArray &, const ImageError &error, ImageCache::CacheType, bool,
                              const QUrl &) {
        outcome.image = !image.isNull();
        outcome.code = error.code;
        outcome.underlying = error.underlying().code;
        done = true;
    });
    if (!QTest::qWaitFor([&done] { return done; }, 10000))
        qWarning("the load never completed");
    outcome.blocks = loader.isFailedUrl(url);
    cache.waitForDisk();
    return outcome;
}

QByteArray answerWith(const QByteArray &head, const QByteArray &body) { return "HTTP/1.1 " + head + "\r\n\r\n" + body; }

} // namespace

class TestPlainHttp : public QObject
{
    Q_OBJECT

private slots:
    // Plain http to an address goes through the light client, everything else through the
    // network access manager ("localhost" is a name): both must end every answer alike.
    void bothClientsEndAnswersAlike_data()
    {
        QTest::addColumn<QByteArray>("answer"); // for /p.png; /q.png is a picture
        QTest::addColumn<bool>("image");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("hits"); // of /p.png, 0: not compared
        const QByteArray png = ImageTestData::encoded(ImageTestData::image(8, 8, Qt::green));
        const QByteArray length = "Content-Length: " + QByteArray::number(png.size());
        QTest::newRow("interim answer first")
            << "HTTP/1.1 100 Continue\r\n\r\n" + answerWith("200 OK\r\n" + length, png) << true << 0 << 1;
        QTest::newRow("no length, ends with the connection") << answerWith("200 OK", png) << true << 0 << 1;
        QTest::newRow("cut short") << answerWith("200 OK\r\nContent-Length: " + QByteArray::number(png.size() + 50), png)
                                   << false << int(UrlErrors::NetworkConnectionLost) << 0;
        QTest::newRow("more than declared") << answerWith("200 OK\r\n" + length, png + "trailing bytes") << true << 0 << 1;
        QTest::newRow("redirected") << answerWith("302 Found\r\nLocation: /q.png\r\nContent-Length: 0", {}) << true << 0 << 1;
        QTest::newRow("redirected in circles") << answerWith("301 Moved\r\nLocation: /p.png\r\nContent-Length: 0", {}) << false
                                               << int(ImageError::InvalidDownloadStatusCode) << 51;
        QByteArray chunked = QByteArray::number(png.size(), 16) + "\r\n" + png + "\r\n0\r\n\r\n";
        QTest::newRow("in chunks") << answerWith("200 OK\r\nTransfer-Encoding: chunked", chunked) << true << 0 << 0;
        QTest::newRow("404") << answerWith("404 Not Found\r\nContent-Length: 4", "gone") << false
                             << int(ImageError::InvalidDownloadStatusCode) << 1;
    }

    void bothClientsEndAnswersAlike()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, hits);
        QVERIFY(PlainHttpFetch::handles(QUrl("http://127.0.0.1:1/p.png")));
        QVERIFY(!PlainHttpFetch::handles(QUrl("http://localhost:1/p.png")));
        QList<Outcome> outcomes;
        for (const char *host : {"127.0.0.1", "localhost"}) {
            RawServer server;
            server.answers.insert("/p.png", answer);
            server.answers.insert("/q.png", answerWith("200 OK", ImageTestData::encoded(ImageTestData::image(4, 4, Qt::red))));
            const Outcome outcome = loadFrom(server.url(QLatin1String(host), "/p.png"));
            QTEST(outcome.image, "image");
            QTEST(outcome.code, "code");
            if (hits > 0)
                QCOMPARE(server.hits.value("/p.png"), hits);
            outcomes.append(outcome);
        }
        QCOMPARE(outcomes[0].underlying, outcomes[1].underlying);
        QCOMPARE(outcomes[0].blocks, outcomes[1].blocks);
    }

    // A header value cannot smuggle a header of its own into the request.
    void headerValuesStayOnTheirLine()
    {
        RawServer server;
        server.answers.insert("/p.png", answerWith("200 OK", ImageTestData::encoded(ImageTestData::image(4, 4, Qt::red))));
        QVERIFY(loadFrom(server.url("127.0.0.1", "/p.png"), {{"X-Tag", "a\r\nX-Evil: 1"}}).image);
        QVERIFY(server.lastRequest.contains("X-Tag: a  X-Evil: 1\r\n"));
        QVERIFY(!server.lastRequest.contains("\nX-Evil"));
    }
};

QTEST_MAIN(TestPlainHttp)
#include "tst_plainhttp.moc"
