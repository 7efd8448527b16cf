#include "diskcache.h"
#include "imagecache.h"
#include "imagetestdata.h"
#include "memorycache.h"
#include "testfiles.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

using ExpireType = ImageCacheConfig::ExpireType;
using ImageTestData::writeAgedFile;

class TestImageCache : public QObject
{
    Q_OBJECT

private slots:
    void memoryLimitsEvictLeastRecentlyUsed()
    {
        // Each picture costs 400 bytes; "a" is used again before "c" arrives.
        for (const auto &[cost, count, kept] : {std::tuple(0, 0, QStringList{"a", "b", "c"}), {0, 2, {"a", "c"}},
                                                {800, 0, {"a", "c"}}, {399, 0, {}}}) {
            ImageCacheConfig config;
            config.maxMemoryCost = quint64(cost);
            config.maxMemoryCount = quint64(count);
            MemoryCache cache(config);
            const QImage picture = ImageTestData::image(10, 10, Qt::red);
            cache.insert("a", picture);
            cache.insert("b", picture);
            cache.image("a");
            cache.insert("c", picture);
            QStringList present{"a", "b", "c"};
            present.removeIf([&cache](const QString &key) { return cache.image(key).isNull(); });
            QCOMPARE(present, kept);
        }
    }

    void memoryWarningKeepsOnlyPicturesStillShownWithWeakCache()
    {
        for (const bool weak : {true, false}) {
            ImageCacheConfig config;
            config.shouldUseWeakMemoryCache = weak;
            MemoryCache cache(config);
            const QImage shown = ImageTestData::image(8, 8, Qt::green);
            cache.insert("shown", shown);
            cache.insert("gone", ImageTestData::image(8, 8, Qt::red));
            cache.didReceiveMemoryWarning();
            QCOMPARE(cache.count(), quint64(0));
            QCOMPARE(!cache.image("shown").isNull(), weak);
            QVERIFY(cache.image("gone").isNull());
        }
    }

    void fileNameIsDigestAndExtension_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("extension");
        QTest::newRow("png") << "http://127.0.0.1/icons/TesselIcon.png" << ".png";
        QTest::newRow("query ignored") << "http://127.0.0.1/icons/a.jpg?size=2#x" << ".jpg";
        QTest::newRow("dot in a folder only") << "http://127.0.0.1/v1.2/icon" << "";
        QTest::newRow("223 characters dropped") << "http://127.0.0.1/a." + QString(223, 'x') << "";
        QTest::newRow("non-ASCII too long in bytes") << "http://127.0.0.1/a." + QString(120, QChar(0x00e9)) << "";
    }

    void fileNameIsDigestAndExtension()
    {
        QFETCH(QString, key);
        QFETCH(QString, extension);
        QCOMPARE(DiskCache::fileName(key), QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Md5).toHex() + extension);
    }

    // The longest kept extension makes a 255-byte name: a temporary file must not be named after it.
    void storedBytesReadBackAndReplace()
    {
        const QString key = "http://h/a." + QString(DiskCache::MaxExtensionLength - 1, 'x');
        QCOMPARE(DiskCache::fileName(key).toUtf8().size(), 255);
        for (const quint64 writingOptions : {ImageCacheConfig::AtomicWrite, quint64(0)}) {
            QTemporaryDir dir;
            ImageCacheConfig config;
            config.diskCacheWritingOptions = writingOptions;
            DiskCache cache(dir.filePath("nested/default"), config);
            QVERIFY(cache.store("first version, longer", key) && cache.store("second", key));
            QCOMPARE(cache.data(key), QByteArray("second"));
            QVERIFY(cache.data("http://h/missing.png").isEmpty());
            QCOMPARE(QDir(cache.directory()).entryList(QDir::Files | QDir::Hidden), QStringList{DiskCache::fileName(key)});
            QFile big(cache.cachePath("big"));
            QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(DiskCache::MaxEntryBytes + 1)); // sparse: no disk use
            QVERIFY(cache.data("big").isEmpty());
        }
    }

    void expiryUsesTheChosenDate_data()
    {
        QTest::addColumn<ExpireType>("type");
        QTest::addColumn<qint64>("maxAge");
        QTest::addColumn<qint64>("readAgo");
        QTest::addColumn<qint64>("modifiedAgo");
        QTest::addColumn<int>("daysAhead"); // how far "now" is past the file's creation
        QTest::addColumn<bool>("deleted");
        const ExpireType access = ExpireType::AccessDate, modification = ExpireType::ModificationDate;
        const qint64 week = 604800, old = 10 * 86400;
        QTest::newRow("exactly the maximum age") << modification << week << qint64(0) << week << 0 << true;
        QTest::newRow("a second younger") << modification << week << qint64(0) << week - 1 << 0 << false;
        QTest::newRow("modification: old access only") << modification << week << old << qint64(0) << 0 << false;
        QTest::newRow("access: old access") << access << week << old << qint64(0) << 0 << true;
        QTest::newRow("access: old modification only") << access << week << qint64(0) << old << 0 << false;
        QTest::newRow("no maximum age") << modification << qint64(-1) << old << old << 1000 << false;
        QTest::newRow("creation: eight days on") << ExpireType::CreationDate << week << qint64(0) << qint64(0) << 8 << true;
        QTest::newRow("change: eight days on") << ExpireType::ChangeDate << week << qint64(0) << qint64(0) << 8 << true;
    }

    void expiryUsesTheChosenDate()
    {
        QFETCH(ExpireType, type);
        QFETCH(qint64, maxAge);
        QFETCH(qint64, readAgo);
        QFETCH(qint64, modifiedAgo);
        QFETCH(int, daysAhead);
        QTemporaryDir dir;
        ImageCacheConfig config;
        config.diskCacheExpireType = type;
        config.maxDiskAge = maxAge;
        DiskCache cache(dir.path(), config);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QVERIFY(writeAgedFile(dir.filePath("entry"), now, modifiedAgo, readAgo));
        QVERIFY(writeAgedFile(dir.filePath(".hidden"), now, 400 * 86400, 400 * 86400));
        cache.removeExpiredData(now.addDays(daysAhead));
        QTEST(!QFile::exists(dir.filePath("entry")), "deleted");
        QVERIFY2(QFile::exists(dir.filePath(".hidden")), "the expiry pass touched a hidden file");
    }

    void sizeLimitTrimsOldestBelowHalf()
    {
        QTemporaryDir dir;
        QVERIFY(TestFiles::write(dir.filePath("probe"), QByteArray(4096, 'x')));
        const quint64 block = DiskCache(dir.path(), {}).totalSize(); // allocated size of one entry here
        QFile::remove(dir.filePath("probe"));

        ImageCacheConfig config;
        config.maxDiskSize = 5 * block; // six entries exceed it; below half is at most two
        DiskCache cache(dir.path(), config);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (int i = 0; i < 6; ++i) // entry0 the oldest
            QVERIFY(writeAgedFile(dir.filePath(QString("entry%1").arg(i)), now, 600 - i * 60, 0, QByteArray(4096, 'x')));
        cache.removeExpiredData(now);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), (QStringList{"entry4", "entry5"}));
    }

    void expiredFilesGoWhenTheAppLeavesTheForegroundOrQuits()
    {
        // An application state, or -1 for quitting; whether the removal is switched on; whether it happens.
        for (const auto &[state, enabled, removed] : {std::tuple(int(Qt::ApplicationHidden), true, true),
                                                      {int(Qt::ApplicationInactive), true, true},
                                                      {int(Qt::ApplicationActive), true, false},
                                                      {int(Qt::ApplicationHidden), false, false}, {-1, true, true}}) {
            QTemporaryDir dir;
            ImageCacheConfig config;
            config.shouldRemoveExpiredDataWhenEnterBackground = enabled;
            QString old;
            {
                ImageCache cache(dir.path(), "default", config);
                QDir().mkpath(cache.diskCachePath());
                old = cache.cachePath("old");
                QVERIFY(writeAgedFile(old, QDateTime::currentDateTimeUtc(), 8 * 86400));
                if (state < 0) { // as QCoreApplication::exit() would: the cache must finish before it ends
                    QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit"));
                } else {
                    emit qGuiApp->applicationStateChanged(Qt::ApplicationState(state));
                    cache.waitForDisk();
                }
            }
            QVERIFY2(QFile::exists(old) != removed, qPrintable(QString::number(state)));
        }
    }
};

QTEST_MAIN(TestImageCache)
#include "tst_imagecache.moc"
