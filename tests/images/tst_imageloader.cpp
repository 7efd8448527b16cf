#include "appcontext.h"
#include "imagedecoder.h"
#include "imagedownloader.h"
#include "imageloader.h"
#include "imagetestdata.h"
#include "tempdataroot.h"
#include "testfiles.h"
#include "urlerrors.h"

#include <QDir>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <thread>

using Response = LoopbackServer::Response;
using ImageTestData::png;
Q_DECLARE_METATYPE(LoopbackServer::Response)

namespace {

// A loopback server, and a cache, a downloader and a loader on a temporary directory.
struct Rig {
    explicit Rig(const ImageDownloaderConfig &config = {}) : downloader(config, QStringLiteral("TestAgent/1.0")) { server.start(); }
    ~Rig() { loader.cancelAll(); cache.waitForDisk(); }
    QUrl url(const QString &path) const { return server.url(path); }
    QStringList files() const { return QDir(cache.diskCachePath()).entryList(QDir::Files); }

    LoopbackServer server;
    QTemporaryDir dir;
    ImageCache cache{dir.path()};
    ImageDownloader downloader;
    ImageLoader loader{&cache, &downloader};
};

// One load and what its completion reported.
struct Load {
    QImage image;
    QByteArray data;
    ImageError error;
    ImageCache::CacheType type = ImageCache::CacheType::None;
    bool finished = false;
    bool onGuiThread = false;
    int calls = 0;
    std::shared_ptr<ImageLoadOperation> operation;
};

std::shared_ptr<Load> start(ImageLoader &loader, const QUrl &url, ImageLoader::Options options = {})
{
    auto load = std::make_shared<Load>();
    load->operation = loader.loadImage(url, options, {}, {},
                                       [load](const QImage &image, const QByteArray &data, const ImageError &error,
                                              ImageCache::CacheType type, bool finished, const QUrl &) {
                                           std::tie(load->image, load->data, load->error, load->type, load->finished) =
                                               std::tie(image, data, error, type, finished);
                                           load->onGuiThread = QThread::currentThread() == qApp->thread();
                                           ++load->calls;
                                       });
    return load;
}

Load load(ImageLoader &loader, const QUrl &url, ImageLoader::Options options = {})
{
    const auto started = start(loader, url, options);
    if (!QTest::qWaitFor([&started] { return started->calls > 0; }, 10000))
        qWarning("the load never completed");
    return *started;
}

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

    // The second load comes from another thread: it still completes on the loader's thread.
    void twoSimultaneousLoadsShareOneRequest()
    {
        QFETCH(bool, cancelFirst);
        Rig rig;
        rig.server.route("/shared.png", png(Qt::blue, 300)); // long enough to cancel one share while it runs
        const auto first = start(rig.loader, rig.url("/shared.png"));
        std::shared_ptr<Load> second;
        // A plain thread, joined: QThread::wait's hand-over is invisible to the thread checker.
        std::thread worker([&] { second = start(rig.loader, rig.url("/shared.png")); });
        worker.join();
        QTRY_COMPARE(rig.loader.runningOperationCount(), 2);
        rig.cache.waitForDisk(); // both cache misses are answered: both loads wait on the download
        QCoreApplication::processEvents();
        QCOMPARE(rig.downloader.downloadCount(), 1);
        if (cancelFirst) {
            first->operation->cancel();
            QCOMPARE(first->error.code, int(ImageError::Cancelled));
        }
        QTRY_VERIFY(second->calls > 0);
        QVERIFY(second->onGuiThread);
        QCOMPARE(second->image.pixelColor(4, 4), QColor(Qt::blue));
        QTRY_COMPARE(rig.downloader.downloadCount(), 0);
        QCOMPARE(first->calls + second->calls, 2);
        QCOMPARE(first->image.isNull(), cancelFirst);
        QCOMPARE(rig.server.hits("/shared.png"), 1);
    }

    // Downloads land in memory and, under the digest name, on disk, where a damaged file is a miss
    // the download replaces; a load cancelled while the disk is asked downloads nothing; a cache
    // that cannot write keeps pictures in memory.
    void downloadsAreCachedOnBothLevels()
    {
        Rig rig;
        const Response served = png();
        rig.server.route("/icons/TesselIcon.png", served);
        rig.server.route("/m.png", png());
        const QUrl url = rig.url("/icons/TesselIcon.png");
        const QString name =
            QCryptographicHash::hash(url.toString(QUrl::FullyEncoded).toUtf8(), QCryptographicHash::Md5).toHex() + ".png";
        QVERIFY(QDir().mkpath(rig.cache.diskCachePath()));
        QVERIFY(TestFiles::write(rig.cache.diskCachePath() + '/' + name, "\x89PNG\r\n\x1a\n truncated"));
        QVERIFY(load(rig.loader, url).error.isNull());
        rig.cache.waitForDisk();
        QCOMPARE(rig.files(), QStringList{name});
        QCOMPARE(load(rig.loader, url).type, ImageCache::CacheType::Memory);

        rig.cache.clearMemory();
        const auto cancelled = start(rig.loader, url);
        QCOMPARE(cancelled->calls, 0); // the disk is asked on its own thread
        cancelled->operation->cancel();
        QCOMPARE(cancelled->error.message, QString("Operation cancelled by user during querying the cache"));
        rig.cache.waitForDisk();
        QTest::qWait(20);
        QCOMPARE(cancelled->calls, 1);
        rig.cache.clearMemory(); // the disk read may have gone on into memory
        const Load fromDisk = load(rig.loader, url);
        QCOMPARE(fromDisk.type, ImageCache::CacheType::Disk);
        QCOMPARE(fromDisk.data, served.body);
        QCOMPARE(fromDisk.image.pixelColor(4, 4), QColor(Qt::red));
        QCOMPARE(load(rig.loader, url).type, ImageCache::CacheType::Memory); // a disk hit goes back to memory
        QCOMPARE(rig.server.requests().size(), 1);

        QVERIFY(QDir(rig.cache.diskCachePath()).removeRecursively() && TestFiles::write(rig.cache.diskCachePath(), "x"));
        QVERIFY(load(rig.loader, rig.url("/m.png")).error.isNull());
        rig.cache.waitForDisk();
        QCOMPARE(load(rig.loader, rig.url("/m.png")).type, ImageCache::CacheType::Memory);
        rig.cache.clearMemory();
        QCOMPARE(load(rig.loader, rig.url("/m.png")).type, ImageCache::CacheType::None);
        QCOMPARE(rig.server.hits("/m.png"), 2);
    }

    void failuresReportAndBlockByTheirKind_data()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        const QString unreachable = QString("http://127.0.0.1:%1/icon.png").arg(closed.serverPort());
        closed.close();
        QTest::addColumn<QString>("address"); // empty: the server's answer below; "none": no address at all
        QTest::addColumn<Response>("response");
        QTest::addColumn<QString>("domain");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message"); // not checked when empty
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("blocks");
        const QString image = ImageError::Domain, url = UrlErrors::Domain, undecodable = "Downloaded image decode failed";
        const auto answer = [](int status, const QByteArray &body) { return Response{status, body, {}, 0, false, false}; };
        const auto row = [](const char *name, const QString &address = {}) -> QTestData & { return QTest::newRow(name) << address; };
        row("404") << answer(404, "no such picture") << image << 2001
                   << "Download marked as failed because of invalid response status code 404" << 404 << true;
        // A server's trouble passes: it must not blank a picture for the rest of the run.
        row("503") << answer(503, "busy") << image << 2001 << "" << 503 << false;
        row("429") << answer(429, "slow down") << image << 2001 << "" << 429 << false;
        row("304") << answer(304, {}) << image << 1002 << "Download response status code is 304 not modified and ignored"
                   << 0 << false;
        row("zero-width picture") << answer(200, ImageTestData::pngDeclaring(0, 10)) << image << 1001
                                  << "Downloaded image has 0 pixels" << 0 << true;
        row("undecodable") << answer(200, "<html>not a picture</html>") << image << 1001 << undecodable << 0 << true;
        row("empty body") << answer(200, {}) << image << 1001 << "Image data is nil" << 0 << true;
        row("100000 x 100000 picture") << answer(200, ImageTestData::pngDeclaring(100000, 100000)) << image << 1001
                                       << undecodable << 0 << true;
        row("endless body") << Response{200, {}, {}, 0, true, false} << image << 1001 << undecodable << 0 << true;
        row("connection dropped") << Response{200, {}, {}, 0, false, true} << url << int(UrlErrors::NetworkConnectionLost)
                                  << "" << 0 << false;
        row("timeout") << Response{200, "late", {}, 60000, false, false} << url << int(UrlErrors::TimedOut)
                       << "The request timed out." << 0 << false;
        row("no address", "none") << Response() << image << 1000 << "Image url is nil" << 0 << false;
        row("local file", "file:///etc/hostname") << Response() << url << int(UrlErrors::UnsupportedUrl) << "" << 0 << true;
        row("nobody listening", unreachable) << Response() << url << int(UrlErrors::CannotConnectToHost) << "" << 0 << false;
    }

    void failuresReportAndBlockByTheirKind()
    {
        QFETCH(QString, address);
        QFETCH(Response, response);
        QFETCH(int, code);
        QFETCH(QString, message);
        QFETCH(bool, blocks);
        ImageDownloaderConfig config;
        // Only the stalled answer meets a short timeout: a busy machine can leave any other
        // answer without data for longer.
        config.downloadTimeout = response.delayMs > 0 ? 0.2 : 60;
        config.maxResponseBytes = 256 * 1024; // the endless answer
        Rig rig(config);
        rig.server.route("/p.png", response);
        const QUrl url = address.isEmpty() ? rig.url("/p.png") : QUrl(address == "none" ? QString() : address);

        const Load failed = load(rig.loader, url);
        QVERIFY(failed.image.isNull() && failed.finished);
        QTEST(failed.error.domain, "domain");
        QCOMPARE(failed.error.code, code);
        if (!message.isEmpty())
            QCOMPARE(failed.error.message, message);
        QTEST(failed.error.statusCode(), "status");
        QCOMPARE(rig.loader.isFailedUrl(url), blocks);

        // (Qt itself sends a request again once when the connection drops before an answer.)
        const int hits = rig.server.hits("/p.png");
        const Load again = load(rig.loader, url);
        QCOMPARE(again.error.code, blocks ? int(ImageError::BlackListed) : code);
        QVERIFY(!blocks || again.error.message == "Image url is blacklisted");
        QVERIFY2(blocks ? rig.server.hits("/p.png") == hits : (!address.isEmpty() || rig.server.hits("/p.png") > hits),
                 "a blocked address was asked for again, or a passing failure was not");
        // The retry option asks a blocked address again all the same.
        QVERIFY(!blocks || load(rig.loader, url, ImageLoader::RetryFailed).error.code == code);
        QVERIFY(!blocks || !address.isEmpty() || rig.server.hits("/p.png") > hits);
        QVERIFY(rig.files().isEmpty());
    }

    // A picture without pixels is told apart from a broken one by its header, in every format.
    void decoderReadsTheDeclaredSize_data()
    {
        using F = ImageDecoder::Result::Failure;
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("failure");
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && ImageTestData::image(3, 2, Qt::red).save(&buffer, "JPEG"));
        const qsizetype frame = jpeg.indexOf("\xff\xc0"); // after the JFIF and table segments
        const auto zeroAt = [](QByteArray bytes, qsizetype at) { return bytes.replace(at, 2, QByteArray(2, '\0')); };
        const QByteArray gif("GIF89a\x03\x00\x02\x00\x80\x00\x00", 13); // a 3 x 2 header and nothing more
        QTest::newRow("jpeg") << jpeg << int(F::None);
        QTest::newRow("jpeg, no width") << zeroAt(jpeg, frame + 7) << int(F::NoPixels);
        QTest::newRow("jpeg, no height") << zeroAt(jpeg, frame + 5) << int(F::NoPixels);
        QTest::newRow("gif header only") << gif << int(F::Undecodable);
        QTest::newRow("gif, no width") << zeroAt(gif, 6) << int(F::NoPixels);
        QTest::newRow("gif, no height") << zeroAt(gif, 8) << int(F::NoPixels);
        QTest::newRow("png, no height") << ImageTestData::pngDeclaring(3, 0) << int(F::NoPixels);
    }

    void decoderReadsTheDeclaredSize()
    {
        QFETCH(QByteArray, bytes);
        QTEST(int(ImageDecoder::decode(bytes).failure), "failure");
    }

    void requestsCarryTheDefaultHeadersAndNoCookies()
    {
        LoopbackServer server;
        server.start();
        TempDataRoot root;
        Response withCookie = png();
        withCookie.headers.emplaceBack("Set-Cookie", "session=abc; Path=/");
        server.route("/a.png", withCookie);
        server.route("/b.png", png());
        for (const char *path : {"/a.png", "/b.png"})
            QVERIFY(load(*root.context()->imageLoader(), server.url(path)).error.isNull());
        QCOMPARE(server.requests().size(), 2);
        for (const LoopbackServer::Request &request : server.requests()) {
            QCOMPARE(request.headers.value("accept"), QByteArray("image/*,*/*;q=0.8"));
            const QString agent = QString::fromUtf8(request.headers.value("user-agent"));
            QVERIFY2(QRegularExpression(R"(^\S+/\S+ \(iPhone; iOS \S+; Scale/1\.00\)$)").match(agent).hasMatch(),
                     qPrintable(agent));
            QVERIFY2(!request.headers.contains("cookie"), "a cookie was sent");
        }
        root.context()->imageCache()->waitForDisk(); // and the pictures are kept where the shell's caches go
        QVERIFY(QFileInfo(root.filePath("Caches/com.quillon.ImageCache/default")).isDir());
    }

    void userAgentIsTransliteratedToAscii()
    {
        const QString tail = "/2.1 (iPhone; iOS 12; Scale/3.00)";
        for (const auto &[executable, name] : {std::pair(u"K\u00e9str\u00ebl"_qs, u"Kestrel"_qs), {u"app\U0001F985"_qs, u"app"_qs},
                                               {u"a\r\nX-Evil: 1"_qs, u"a  X-Evil: 1"_qs}}) // no header of its own
            QCOMPARE(ImageDownloader::userAgent(executable, "2.1", "iPhone", "12", 3.0), name + tail);
    }

    void atMostSixDownloadsRunAtOnce()
    {
        Rig rig;
        QList<std::shared_ptr<Load>> loads;
        for (int i = 0; i < 9; ++i) {
            const QByteArray path = "/slow" + QByteArray::number(i) + ".png";
            rig.server.route(path, Response{200, "late", {}, 60000, false, false});
            loads.append(start(rig.loader, rig.url(QString::fromLatin1(path))));
        }
        QTRY_COMPARE(rig.server.requests().size(), 6);
        QCOMPARE(rig.downloader.runningDownloadCount(), 6);
        QCOMPARE(rig.downloader.queuedDownloadCount(), 3);

        const auto &running = loads[rig.server.requests().first().path.mid(5, 1).toInt()];
        running->operation->cancel();
        QCOMPARE(running->error.message, QString("Operation cancelled by user during sending the request"));
        QTRY_COMPARE(rig.server.requests().size(), 7);

        // The last one is still waiting for a free slot.
        loads[8]->operation->cancel();
        QCOMPARE(loads[8]->error.message, QString("Operation cancelled by user before sending the request"));
        QCOMPARE(rig.downloader.queuedDownloadCount(), 1);
        QVERIFY(!rig.loader.isFailedUrl(rig.url("/slow8.png")));
    }
};

QTEST_MAIN(TestImageLoader)
#include "tst_imageloader.moc"
