// The repository fetch and the image loader against every fault the maker can serve: nothing
// delivered, no more than one completion, and the next good answer delivered as usual.
#include "imagecache.h"
#include "imagedownloader.h"
#include "imageloader.h"
#include "loadappsfunc.h"
#include "makerserver.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(Fault)

namespace {

const QString RepositoryPath = QStringLiteral("/Cydia.json");
const QString IconPath = QStringLiteral("/icons/TesselIcon.png");
// Short enough that the one-byte-a-second drip runs into it.
constexpr int FetchTimeoutMs = 3000;

} // namespace

class TestMakerFaults : public QObject
{
    Q_OBJECT

    QUrl url(const QString &path) const { return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path)); }

    // One repository fetch; returns the number of completions and the packages of the last one.
    int fetchRepository(QList<Packages> *packages, bool expectAnswer)
    {
        // A completion that comes after this returns must not write into the caller's dead list.
        struct Result {
            int calls = 0;
            QList<Packages> packages;
        };
        auto result = std::make_shared<Result>();
        int ended = 0;
        const QMetaObject::Connection watch =
            connect(&m_network, &QNetworkAccessManager::finished, this, [&ended] { ++ended; });
        const bool started = LoadAppsFunc::fetch(&m_network, url(RepositoryPath).toString(), this,
                                                 [result](const QList<Packages> &list) {
                                                     ++result->calls;
                                                     result->packages = list;
                                                 },
                                                 FetchTimeoutMs);
        if (!started)
            return -1;
        // The reply ends (answer, error, cap or timeout); the body is then decoded on a worker and
        // any completion queued back here, so give that its moment too: a good answer may take
        // long to decode under the sanitizers.
        if (!QTest::qWaitFor([&ended] { return ended > 0; }, FetchTimeoutMs + 10000))
            qWarning("the repository reply never ended");
        (void)QTest::qWaitFor([result] { return result->calls > 0; }, expectAnswer ? 15000 : 500);
        QTest::qWait(100);
        disconnect(watch);
        *packages = result->packages;
        return result->calls;
    }

    struct ImageOutcome {
        int calls = 0;
        int finishedCalls = 0;
        QImage image;
        bool failed = false;
    };

    ImageOutcome loadIcon(ImageLoader &loader, int attempt)
    {
        auto outcome = std::make_shared<ImageOutcome>();
        // Each attempt its own address, so no cache level answers for the server.
        loader.loadImage(url(IconPath + QStringLiteral("?attempt=%1").arg(attempt)), ImageLoader::RetryFailed, {}, {},
                         [outcome](const QImage &image, const QByteArray &, const ImageError &error,
                                   ImageCache::CacheType, bool finished, const QUrl &) {
                             ++outcome->calls;
                             outcome->finishedCalls += finished ? 1 : 0;
                             outcome->image = image;
                             outcome->failed = !error.isNull();
                         });
        if (!QTest::qWaitFor([outcome] { return outcome->finishedCalls > 0; }, 20000))
            qWarning("the picture load never finished");
        QTest::qWait(100); // a second completion would come now
        return *outcome;
    }

    MakerServer m_server{QStringLiteral(KESTREL_MAKER_SITE_DIR)};
    QNetworkAccessManager m_network;
    quint16 m_port = 0;

private slots:
    void initTestCase()
    {
        m_port = m_server.listen(QHostAddress::LocalHost, 0);
        QVERIFY(m_port != 0);
    }

    void survivesFault_data()
    {
        QTest::addColumn<Fault>("fault");
        for (const QString &name : Faults::names())
            QTest::newRow(qPrintable(name)) << *Faults::fromName(name);
    }

    void survivesFault()
    {
        QFETCH(Fault, fault);
        QList<Packages> packages;
        m_server.setFaults({{RepositoryPath, fault}});
        QCOMPARE(fetchRepository(&packages, false), 0);
        m_server.setFaults({});
        QCOMPARE(fetchRepository(&packages, true), 1);
        QVERIFY(!packages.isEmpty());

        QTemporaryDir dir;
        ImageCache cache(dir.path());
        ImageDownloaderConfig config;
        config.downloadTimeout = 0.5; // below the drip's one byte a second
        // The endless body meets the cap sooner; at the usual 32 MiB it took most of the wait
        // under AddressSanitizer.
        config.maxResponseBytes = 1024 * 1024;
        ImageDownloader downloader(config, QStringLiteral("FaultTest/1.0"));
        ImageLoader loader(&cache, &downloader);

        m_server.setFaults({{IconPath, fault}});
        const ImageOutcome bad = loadIcon(loader, 1);
        QVERIFY(bad.finishedCalls == 1 && bad.calls == 1 && bad.failed && bad.image.isNull());

        m_server.setFaults({});
        const ImageOutcome good = loadIcon(loader, 2);
        QVERIFY(good.calls == 1 && !good.failed && !good.image.isNull());
        loader.cancelAll();
        cache.waitForDisk();
    }
};

QTEST_MAIN(TestMakerFaults)
#include "tst_makerfaults.moc"
