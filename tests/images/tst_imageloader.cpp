#include "appcontext.h"
#include "diskcache.h"
#include "imagecache.h"
#include "imagedownloader.h"
#include "imageloader.h"
#include "imagetestdata.h"
#include "loopbackserver.h"
#include "servedloopback.h"
#include "tempdataroot.h"
#include "urlerrors.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <thread>

using Response = LoopbackServer::Response;
Q_DECLARE_METATYPE(LoopbackServer::Response)

namespace {

// A cache, a downloader and a loader on a temporary directory, with a loopback server.
// An unwritable rig has a file where the cache's folder should be.
struct Rig : ServedLoopback {
    explicit Rig(const ImageDownloaderConfig &config = {}, bool unwritable = false)
        : cache(root(dir, unwritable))
        , downloader(config, QStringLiteral("TestAgent/1.0")), loader(&cache, &downloader)
    {
    }
    ~Rig()
    {
        loader.cancelAll();
        cache.waitForDisk();
    }
    QUrl url(const QString &path) const { return server.url(path); }
    static QString root(const QTemporaryDir &dir, bool unwritable)
    {
        if (unwritable && !ImageTestData::writeFile(dir.filePath("com.quillon.ImageCache"), "x"))
            qWarning("could not block the cache folder");
        return dir.path();
    }

    QTemporaryDir dir;
    ImageCache cache;
    ImageDownloader downloader;
    ImageLoader loader;
};

struct Outcome {
    QImage image;
    QByteArray data;
    ImageError error;
    ImageCache::CacheType type = ImageCache::CacheType::None;
    bool finished = false;
    bool done = false;
    bool onGuiThread = false;
    int calls = 0;
};

struct Load {
    std::shared_ptr<Outcome> outcome = std::make_shared<Outcome>();
    std::shared_ptr<ImageLoadOperation> operation;
};

Load start(ImageLoader &loader, const QUrl &url, ImageLoader::Options options = {})
{
    Load load;
    auto outcome = load.outcome;
    load.operation = loader.loadImage(url, options, {}, {},
                                      [outcome](const QImage &image, const QByteArray &data, const ImageError &error,
                                                ImageCache::CacheType type, bool finished, const QUrl &) {
                                          outcome->image = image;
                                          outcome->data = data;
                                          outcome->error = error;
                                          outcome->type = type;
                                          outcome->finished = finished;
                                          outcome->done = true;
                                          outcome->onGuiThread = QThread::currentThread() == qApp->thread();
                                          ++outcome->calls;
                                      });
    return load;
}

Outcome wait(const Load &load)
{
    if (!QTest::qWaitFor([&load] { return load.outcome->done; }, 10000))
        qWarning("the load never completed");
    return *load.outcome;
}

Outcome load(ImageLoader &loader, const QUrl &url, ImageLoader::Options options = {})
{
    return wait(start(loader, url, options));
}

Response png(int size = 8, QColor color = Qt::red)
{
    Response response;
    response.body = ImageTestData::png(size, size, color);
    response.headers = {{"Content-Type", "image/png"}};
    return response;
}

int totalHits(const LoopbackServer &server) { return int(server.requests().size()); }

} // namespace

class TestImageLoader : public QObject
{
    Q_OBJECT

private slots:
    void twoSimultaneousLoadsShareOneRequest_data()
    {
        QTest::addColumn<bool>("cancelFirst");
        QTest::newRow("both kept") << false;
        QTest::newRow("first cancelled mid-download") << true;
    }

    void twoSimultaneousLoadsShareOneRequest()
    {
        QFETCH(bool, cancelFirst);
        Rig rig;
        Response slow = png(8, Qt::blue);
        slow.delayMs = 300; // long enough to cancel one share while the download runs
        rig.server.route("/shared.png", slow);
        const Load first = start(rig.loader, rig.url("/shared.png"));
        const Load second = start(rig.loader, rig.url("/shared.png"));
        QTRY_COMPARE(rig.downloader.downloadCount(), 1);
        if (cancelFirst) {
            first.operation->cancel();
            QCOMPARE(first.outcome->error.code, int(ImageError::Cancelled));
        }
        wait(second);
        QTRY_COMPARE(rig.downloader.downloadCount(), 0);
        for (const Outcome *outcome : {first.outcome.get(), second.outcome.get()}) {
            QCOMPARE(outcome->calls, 1);
            if (cancelFirst && outcome == first.outcome.get())
                continue;
            QVERIFY2(outcome->error.isNull(), qPrintable(outcome->error.message));
            QCOMPARE(outcome->image.pixelColor(4, 4), QColor(Qt::blue));
        }
        QCOMPARE(rig.server.hits("/shared.png"), 1);
    }

    void downloadsAreStoredInBothLevelsUnderTheDigestName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("extension");
        QTest::newRow("png") << "/icons/TesselIcon.png" << ".png";
        QTest::newRow("no extension") << "/icons/TesselIcon" << "";
    }

    void downloadsAreStoredInBothLevelsUnderTheDigestName()
    {
        QFETCH(QString, path);
        QFETCH(QString, extension);
        Rig rig;
        const Response served = png();
        rig.server.route(path.toUtf8(), served);
        const QUrl url = rig.url(path);
        QVERIFY(load(rig.loader, url).error.isNull());
        rig.cache.waitForDisk();

        const QString expectedName =
            QCryptographicHash::hash(url.toString(QUrl::FullyEncoded).toUtf8(), QCryptographicHash::Md5).toHex() + extension;
        QCOMPARE(QDir(rig.cache.diskCachePath()).entryList(QDir::Files), QStringList{expectedName});
        QFile file(QDir(rig.cache.diskCachePath()).filePath(expectedName));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), served.body);

        QCOMPARE(load(rig.loader, url).type, ImageCache::CacheType::Memory);
        rig.cache.clearMemory();
        const Outcome fromDisk = load(rig.loader, url);
        QCOMPARE(fromDisk.type, ImageCache::CacheType::Disk);
        QCOMPARE(fromDisk.data, served.body);
        QCOMPARE(fromDisk.image.pixelColor(4, 4), QColor(Qt::red));
        QCOMPARE(load(rig.loader, url).type, ImageCache::CacheType::Memory); // a disk hit goes back to memory
        QCOMPARE(totalHits(rig.server), 1);
    }

    void failuresReportAndBlockByTheirKind_data()
    {
        QTest::addColumn<Response>("response");
        QTest::addColumn<QString>("domain");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("blocks");
        const QString image = ImageError::Domain;
        const QString url = UrlErrors::Domain;
        Response notFound{404, "no such picture", {}, 0, false, false};
        Response notModified{304, {}, {}, 0, false, false};
        Response garbage{200, "<html>not a picture</html>", {{"Content-Type", "image/png"}}, 0, false, false};
        Response empty{200, {}, {}, 0, false, false};
        Response huge{200, ImageTestData::hugePngHeader(100000, 100000), {}, 0, false, false};
        Response endless{200, {}, {}, 0, true, false};
        Response dropped{200, {}, {}, 0, false, true};
        Response stalled{200, "late", {}, 60000, false, false};
        QTest::newRow("404") << notFound << image << 2001
                             << "Download marked as failed because of invalid response status code 404" << 404 << true;
        // A server's trouble passes: it must not blank a picture for the rest of the run.
        QTest::newRow("503") << Response{503, "busy", {}, 0, false, false} << image << 2001
                             << "Download marked as failed because of invalid response status code 503" << 503 << false;
        QTest::newRow("429") << Response{429, "slow down", {}, 0, false, false} << image << 2001 << "" << 429 << false;
        QTest::newRow("410") << Response{410, "gone", {}, 0, false, false} << image << 2001 << "" << 410 << true;
        QTest::newRow("zero-width picture") << Response{200, ImageTestData::hugePngHeader(0, 10), {}, 0, false, false}
                                            << image << 1001 << "Downloaded image has 0 pixels" << 0 << true;
        QTest::newRow("304") << notModified << image << 1002
                             << "Download response status code is 304 not modified and ignored" << 0 << false;
        QTest::newRow("undecodable") << garbage << image << 1001 << "Downloaded image decode failed" << 0 << true;
        QTest::newRow("empty body") << empty << image << 1001 << "Image data is nil" << 0 << true;
        QTest::newRow("100000 x 100000 picture") << huge << image << 1001 << "Downloaded image decode failed" << 0 << true;
        QTest::newRow("endless body") << endless << image << 1001 << "Downloaded image decode failed" << 0 << true;
        QTest::newRow("connection dropped") << dropped << url << int(UrlErrors::NetworkConnectionLost) << "" << 0 << false;
        QTest::newRow("timeout") << stalled << url << int(UrlErrors::TimedOut) << "The request timed out." << 0 << false;
    }

    void failuresReportAndBlockByTheirKind()
    {
        QFETCH(Response, response);
        QFETCH(QString, domain);
        QFETCH(int, code);
        QFETCH(QString, message);
        QFETCH(int, status);
        QFETCH(bool, blocks);
        ImageDownloaderConfig config;
        config.downloadTimeout = 0.2;               // the stalled answer
        config.maxResponseBytes = 256 * 1024;       // the endless one
        Rig rig(config);
        rig.server.route("/p.png", response);
        const QUrl url = rig.url("/p.png");

        const Outcome failed = load(rig.loader, url);
        QVERIFY(failed.image.isNull());
        QVERIFY(failed.finished);
        QCOMPARE(failed.error.domain, domain);
        QCOMPARE(failed.error.code, code);
        if (!message.isEmpty())
            QCOMPARE(failed.error.message, message);
        QCOMPARE(failed.error.statusCode(), status);
        QCOMPARE(rig.loader.isFailedUrl(url), blocks);

        // (Qt itself sends a request again once when the connection drops before an answer.)
        const int hits = rig.server.hits("/p.png");
        const Outcome again = load(rig.loader, url);
        if (blocks) {
            QCOMPARE(again.error.code, int(ImageError::BlackListed));
            QCOMPARE(again.error.message, QString("Image url is blacklisted"));
            QCOMPARE(rig.server.hits("/p.png"), hits);
        } else {
            QCOMPARE(again.error.code, code);
            QVERIFY2(rig.server.hits("/p.png") > hits, "a failure that should not block was not tried again");
        }
        QVERIFY(QDir(rig.cache.diskCachePath()).entryList(QDir::Files).isEmpty());
    }

    void unusableAddressesFailAtOnce_data()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        const QUrl unreachable(QString("http://127.0.0.1:%1/icon.png").arg(closed.serverPort()));
        closed.close();
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<QString>("domain");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("blocks");
        QTest::newRow("empty") << QUrl() << QString(ImageError::Domain) << 1000 << false;
        QTest::newRow("local file") << QUrl("file:///etc/hostname") << QString(UrlErrors::Domain)
                                    << int(UrlErrors::UnsupportedUrl) << true;
        QTest::newRow("nobody listening") << unreachable << QString(UrlErrors::Domain)
                                          << int(UrlErrors::CannotConnectToHost) << false;
    }

    void unusableAddressesFailAtOnce()
    {
        QFETCH(QUrl, url);
        QFETCH(QString, domain);
        QFETCH(int, code);
        QFETCH(bool, blocks);
        Rig rig;
        const Outcome failed = load(rig.loader, url);
        QCOMPARE(failed.error.domain, domain);
        QCOMPARE(failed.error.code, code);
        QVERIFY(failed.finished);
        if (code == 1000)
            QCOMPARE(failed.error.message, QString("Image url is nil"));
        QVERIFY(failed.data.isEmpty());
        QCOMPARE(rig.loader.isFailedUrl(url), blocks);
    }

    void retryFailedOptionLoadsABlockedUrlAndUnblocksIt()
    {
        Rig rig;
        int served = 0;
        rig.server.route("/flaky.png", [&served](const LoopbackServer::Request &) {
            return ++served == 1 ? Response{200, "garbage", {}, 0, false, false} : png();
        });
        const QUrl url = rig.url("/flaky.png");
        QCOMPARE(load(rig.loader, url).error.code, int(ImageError::BadImageData));
        QCOMPARE(load(rig.loader, url).error.code, int(ImageError::BlackListed));
        QVERIFY(load(rig.loader, url, ImageLoader::RetryFailed).error.isNull());
        QVERIFY(!rig.loader.isFailedUrl(url));
        QCOMPARE(load(rig.loader, url).type, ImageCache::CacheType::Memory);
    }

    void requestsCarryTheDefaultHeadersAndNoCookies()
    {
        ServedLoopback local;
        LoopbackServer &server = local.server;
        TempDataRoot root;
        AppContext *context = root.context();
        Response withCookie = png();
        withCookie.headers.append(qMakePair(QByteArray("Set-Cookie"), QByteArray("session=abc; Path=/")));
        server.route("/a.png", withCookie);
        server.route("/b.png", png());
        QVERIFY(load(*context->imageLoader(), server.url("/a.png")).error.isNull());
        QVERIFY(load(*context->imageLoader(), server.url("/b.png")).error.isNull());

        QCOMPARE(server.requests().size(), 2);
        for (const LoopbackServer::Request &request : server.requests()) {
            QCOMPARE(request.headers.value("accept"), QByteArray("image/*,*/*;q=0.8"));
            const QString agent = QString::fromUtf8(request.headers.value("user-agent"));
            QVERIFY2(QRegularExpression(R"(^\S+/\S+ \(iPhone; iOS \S+; Scale/1\.00\)$)").match(agent).hasMatch(),
                     qPrintable(agent));
            QVERIFY2(!request.headers.contains("cookie"), "a cookie was sent");
        }
        context->imageCache()->waitForDisk();
        QVERIFY(QFileInfo(root.filePath("Caches/com.quillon.ImageCache/default")).isDir());
    }

    void userAgentIsTransliteratedToAscii_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("expected");
        QTest::newRow("accents") << QString::fromUtf8("K\u00e9str\u00ebl") << "Kestrel/2.1 (iPhone; iOS 12; Scale/3.00)";
        QTest::newRow("emoji removed") << QString::fromUtf8("app\U0001F985") << "app/2.1 (iPhone; iOS 12; Scale/3.00)";
        QTest::newRow("line break") << "a\r\nX-Evil: 1" << "a  X-Evil: 1/2.1 (iPhone; iOS 12; Scale/3.00)";
    }

    void userAgentIsTransliteratedToAscii()
    {
        QFETCH(QString, executable);
        QFETCH(QString, expected);
        QCOMPARE(ImageDownloader::userAgent(executable, "2.1", "iPhone", "12", 3.0), expected);
    }

    void atMostSixDownloadsRunAtOnce()
    {
        Rig rig;
        QList<Load> loads;
        for (int i = 0; i < 9; ++i) {
            const QByteArray path = "/slow" + QByteArray::number(i) + ".png";
            rig.server.route(path, Response{200, "late", {}, 60000, false, false});
            loads.append(start(rig.loader, rig.url(QString::fromLatin1(path))));
        }
        QTRY_COMPARE(totalHits(rig.server), 6);
        QCOMPARE(rig.downloader.runningDownloadCount(), 6);
        QCOMPARE(rig.downloader.queuedDownloadCount(), 3);

        const QByteArray firstPath = rig.server.requests().first().path;
        const int running = int(firstPath.mid(5, 1).toInt());
        loads[running].operation->cancel();
        QCOMPARE(loads[running].outcome->error.code, int(ImageError::Cancelled));
        QCOMPARE(loads[running].outcome->error.message, QString("Operation cancelled by user during sending the request"));
        QTRY_COMPARE(totalHits(rig.server), 7);

        // The last one is still waiting for a free slot.
        loads[8].operation->cancel();
        QCOMPARE(loads[8].outcome->error.message, QString("Operation cancelled by user before sending the request"));
        QCOMPARE(rig.downloader.queuedDownloadCount(), 1);
        QVERIFY(!rig.loader.isFailedUrl(rig.url("/slow8.png")));
    }

    void cancelWhileQueryingTheCacheReportsItAndDownloadsNothing()
    {
        Rig rig;
        rig.cache.storeImage(ImageTestData::image(4, 4, Qt::red), {}, ImageLoader::cacheKey(rig.url("/c.png")));
        rig.cache.waitForDisk();
        rig.cache.clearMemory();
        Load load = start(rig.loader, rig.url("/c.png"));
        QVERIFY(!load.outcome->done); // the disk is asked on its own thread
        load.operation->cancel();
        QCOMPARE(load.outcome->error.message, QString("Operation cancelled by user during querying the cache"));
        rig.cache.waitForDisk();
        QTest::qWait(20);
        QCOMPARE(load.outcome->calls, 1);
        QCOMPARE(totalHits(rig.server), 0);
        QCOMPARE(rig.loader.runningOperationCount(), 0);
    }

    void corruptCacheFileIsReplacedByTheDownload()
    {
        Rig rig;
        const Response served = png();
        rig.server.route("/c.png", served);
        const QString key = ImageLoader::cacheKey(rig.url("/c.png"));
        QDir().mkpath(rig.cache.diskCachePath());
        QVERIFY(ImageTestData::writeFile(rig.cache.cachePath(key), "\x89PNG\r\n\x1a\n truncated"));

        const Outcome outcome = load(rig.loader, rig.url("/c.png"));
        QVERIFY(outcome.error.isNull());
        QCOMPARE(rig.server.hits("/c.png"), 1);
        rig.cache.waitForDisk();
        QFile replaced(rig.cache.cachePath(key));
        QVERIFY(replaced.open(QIODevice::ReadOnly));
        QCOMPARE(replaced.readAll(), served.body);
    }

    void unwritableCacheKeepsPicturesInMemory()
    {
        Rig rig({}, true);
        rig.server.route("/m.png", png());
        const QUrl url = rig.url("/m.png");
        QVERIFY(load(rig.loader, url).error.isNull());
        rig.cache.waitForDisk();
        QCOMPARE(load(rig.loader, url).type, ImageCache::CacheType::Memory);
        rig.cache.clearMemory();
        QCOMPARE(load(rig.loader, url).type, ImageCache::CacheType::None);
        QCOMPARE(rig.server.hits("/m.png"), 2);
    }

    void loadsFromAnotherThreadCompleteOnTheLoadersThread()
    {
        Rig rig;
        rig.server.route("/t.png", png());
        Load load;
        // A plain thread, joined: QThread::wait's hand-over is invisible to the thread checker.
        std::thread worker([&rig, &load] { load = start(rig.loader, rig.url("/t.png")); });
        worker.join();
        const Outcome outcome = wait(load);
        QVERIFY(outcome.error.isNull());
        QVERIFY(outcome.onGuiThread);
    }
};

QTEST_MAIN(TestImageLoader)
#include "tst_imageloader.moc"
