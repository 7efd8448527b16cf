// The image library against what goes wrong outside it: a server that drips its answer, a load
// cancelled while its failure is on the way, and a cache write cut short by a crash.
#include "diskcache.h"
#include "imagecache.h"
#include "imagedownloader.h"
#include "loopbackserver.h"
#include "urlerrors.h"

#include <QTcpServer>
#include <QtTest>

class TestImageFaults : public QObject
{
    Q_OBJECT

private slots:
    // The trickle keeps the idle timeout from firing; the overall deadline ends the download as
    // a timeout, which does not block the address.
    void drippingDownloadFailsAtTheDeadline()
    {
        LoopbackServer server;
        QVERIFY(server.start());
        server.route("/drip.png", LoopbackServer::Response{200, "x", {}, 0, true, false});
        ImageDownloaderConfig config;
        config.downloadTimeout = 10;
        config.downloadDeadline = 0.5;
        ImageDownloader downloader(config);
        std::optional<ImageError> error;
        downloader.downloadImage(server.url("/drip.png"), {},
                                 [&error](const QImage &, const QByteArray &, const ImageError &e, bool) { error = e; });
        QVERIFY(QTest::qWaitFor([&error] { return error.has_value(); }, 5000));
        QCOMPARE(error->code, int(UrlErrors::TimedOut));
        QVERIFY(!UrlErrors::blocksUrl(*error));
    }

    // The refusals are queued for the replies before the cancellations reach them; Qt must not
    // be told about the end of a reply twice.
    void cancellingWhileTheFailureIsQueuedWarnsNothing()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        const QString base = QStringLiteral("http://127.0.0.1:%1/a.png?%2").arg(closed.serverPort());
        closed.close();
        ImageDownloader downloader;
        QList<std::shared_ptr<ImageDownloadToken>> tokens;
        int completions = 0;
        for (int i = 0; i < 6; ++i) {
            tokens << downloader.downloadImage(QUrl(base.arg(i)), {},
                                               [&completions](const QImage &, const QByteArray &, const ImageError &,
                                                              bool) { ++completions; });
        }
        QCoreApplication::processEvents(); // the requests go to the network thread
        QThread::msleep(300); // where they are refused
        for (const auto &token : tokens)
            downloader.cancel(token);
        QTest::qWait(200);
        QCOMPARE(completions, 6); // a refusal that came first is reported instead of the cancellation
    }

    // A crashed write's temporary file goes when the cache starts and when it trims; a write
    // still in progress, and the entries, stay.
    void leftoverTemporaryFilesAreRemoved()
    {
        QTemporaryDir dir;
        const QDir folder(dir.filePath("com.quillon.ImageCache/default"));
        QVERIFY(folder.mkpath("."));
        const QString entry = DiskCache::fileName("http://h/a");
        const auto write = [&folder](const QString &name, int ageSeconds) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("half") == 4 && file.flush());
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFile::FileModificationTime));
        };
        write("." + entry + ".Ab12Cd", 3600);
        write("." + entry + ".Ef34Gh", 5);
        write(entry, 3600);
        const auto files = [&folder] { return folder.entryList(QDir::Files | QDir::Hidden, QDir::Name); };
        {
            ImageCache cache(dir.path());
            cache.waitForDisk();
        }
        QCOMPARE(files(), (QStringList{"." + entry + ".Ef34Gh", entry}));
        DiskCache(folder.path(), {}).removeExpiredData(QDateTime::currentDateTime().addSecs(DiskCache::StaleTemporarySeconds));
        QCOMPARE(files(), QStringList{entry});
    }
};

QTEST_MAIN(TestImageFaults)
#include "tst_imagefaults.moc"
