#include "diskcache.h"
#include "imagecache.h"
#include "imagetestdata.h"
#include "memorycache.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

using ExpireType = ImageCacheConfig::ExpireType;
using ImageTestData::writeAgedFile;

class TestImageCache : public QObject
{
    Q_OBJECT

private slots:
    void memoryLimitsEvictLeastRecentlyUsed_data()
    {
        QTest::addColumn<quint64>("maxCost");
        QTest::addColumn<quint64>("maxCount");
        QTest::addColumn<QStringList>("kept");
        // Each picture costs 400 bytes; "a" is used again before "c" arrives.
        QTest::newRow("no limits") << quint64(0) << quint64(0) << QStringList{"a", "b", "c"};
        QTest::newRow("count 2") << quint64(0) << quint64(2) << QStringList{"a", "c"};
        QTest::newRow("cost 800") << quint64(800) << quint64(0) << QStringList{"a", "c"};
        QTest::newRow("cost below one picture") << quint64(399) << quint64(0) << QStringList{};
    }

    void memoryLimitsEvictLeastRecentlyUsed()
    {
        QFETCH(quint64, maxCost);
        QFETCH(quint64, maxCount);
        QFETCH(QStringList, kept);
        ImageCacheConfig config;
        config.maxMemoryCost = maxCost;
        config.maxMemoryCount = maxCount;
        MemoryCache cache(config);
        const QImage picture = ImageTestData::image(10, 10, Qt::red);
        cache.insert("a", picture);
        cache.insert("b", picture);
        cache.image("a");
        cache.insert("c", picture);
        QStringList present;
        for (const QString key : {"a", "b", "c"}) {
            if (!cache.image(key).isNull())
                present << key;
        }
        QCOMPARE(present, kept);
    }

    void memoryWarningKeepsOnlyPicturesStillShownWithWeakCache_data()
    {
        QTest::addColumn<bool>("weak");
        QTest::newRow("weak cache") << true;
        QTest::newRow("no weak cache") << false;
    }

    void memoryWarningKeepsOnlyPicturesStillShownWithWeakCache()
    {
        QFETCH(bool, weak);
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

    void fileNameIsDigestAndExtension_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("extension");
        QTest::newRow("png") << "http://127.0.0.1/icons/TesselIcon.png" << ".png";
        QTest::newRow("query ignored") << "http://127.0.0.1/icons/a.jpg?size=2#x" << ".jpg";
        QTest::newRow("dot in a folder only") << "http://127.0.0.1/v1.2/icon" << "";
        QTest::newRow("222 characters kept") << "http://127.0.0.1/a." + QString(222, 'x') << "." + QString(222, 'x');
        QTest::newRow("223 characters dropped") << "http://127.0.0.1/a." + QString(223, 'x') << "";
        QTest::newRow("non-ASCII too long in bytes") << "http://127.0.0.1/a." + QString(120, QChar(0x00e9)) << "";
    }

    void fileNameIsDigestAndExtension()
    {
        QFETCH(QString, key);
        QFETCH(QString, extension);
        QCOMPARE(DiskCache::fileName(key), QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Md5).toHex() + extension);
    }

    void storedBytesReadBackAndReplace_data()
    {
        QTest::addColumn<quint64>("writingOptions");
        QTest::newRow("atomic") << ImageCacheConfig::AtomicWrite;
        QTest::newRow("in place") << quint64(0);
    }

    void storedBytesReadBackAndReplace()
    {
        QFETCH(quint64, writingOptions);
        QTemporaryDir dir;
        ImageCacheConfig config;
        config.diskCacheWritingOptions = writingOptions;
        DiskCache cache(dir.filePath("nested/default"), config);
        QVERIFY(cache.store("first version, longer", "http://h/a.png"));
        QVERIFY(cache.store("second", "http://h/a.png"));
        QCOMPARE(cache.data("http://h/a.png"), QByteArray("second"));
        QVERIFY(cache.data("http://h/missing.png").isEmpty());
        QCOMPARE(QDir(dir.filePath("nested/default")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{DiskCache::fileName("http://h/a.png")}); // no temporary files left behind
    }

    // The entry's own name is then 255 bytes: the temporary file must not be named after it.
    void longestKeptExtensionIsStored()
    {
        QTemporaryDir dir;
        DiskCache cache(dir.path(), ImageCacheConfig());
        const QString key = "http://h/a." + QString(DiskCache::MaxExtensionLength - 1, 'x');
        QCOMPARE(DiskCache::fileName(key).toUtf8().size(), 255);
        QVERIFY(cache.store("picture", key));
        QCOMPARE(cache.data(key), QByteArray("picture"));
    }

    void oversizedEntryIsNotRead()
    {
        QTemporaryDir dir;
        DiskCache cache(dir.path(), ImageCacheConfig());
        QFile file(cache.cachePath("big"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(DiskCache::MaxEntryBytes + 1)); // sparse: no real disk use
        file.close();
        QVERIFY(cache.data("big").isEmpty());
    }

    void expiryBoundaryIsExactlyTheMaximumAge()
    {
        QTemporaryDir dir;
        DiskCache cache(dir.path(), ImageCacheConfig());
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QVERIFY(writeAgedFile(dir.filePath("week"), 604800, now));
        QVERIFY(writeAgedFile(dir.filePath("younger"), 604799, now));
        QVERIFY(writeAgedFile(dir.filePath(".hidden"), 40 * 86400, now));
        cache.removeExpiredData(now);
        QVERIFY2(!QFile::exists(dir.filePath("week")), "a file exactly one week old stayed");
        QVERIFY2(QFile::exists(dir.filePath("younger")), "a file one second younger than a week was deleted");
        QVERIFY2(QFile::exists(dir.filePath(".hidden")), "the expiry pass touched a hidden file");
    }

    void expiryUsesTheChosenDate_data()
    {
        QTest::addColumn<ExpireType>("type");
        QTest::addColumn<qint64>("maxAge");
        QTest::addColumn<bool>("oldAccess");
        QTest::addColumn<bool>("oldModification");
        QTest::addColumn<int>("daysAhead"); // how far "now" is past the file's creation
        QTest::addColumn<bool>("deleted");
        const ExpireType access = ExpireType::AccessDate, modification = ExpireType::ModificationDate;
        const qint64 week = 604800;
        QTest::newRow("access: old access") << access << week << true << false << 0 << true;
        QTest::newRow("access: old modification only") << access << week << false << true << 0 << false;
        QTest::newRow("modification: old modification") << modification << week << false << true << 0 << true;
        QTest::newRow("modification: old access only") << modification << week << true << false << 0 << false;
        QTest::newRow("no maximum age") << modification << qint64(-1) << true << true << 1000 << false;
        QTest::newRow("creation: new file") << ExpireType::CreationDate << week << true << true << 0 << false;
        QTest::newRow("creation: eight days on") << ExpireType::CreationDate << week << false << false << 8 << true;
        QTest::newRow("change: eight days on") << ExpireType::ChangeDate << week << false << false << 8 << true;
    }

    void expiryUsesTheChosenDate()
    {
        QFETCH(ExpireType, type);
        QFETCH(qint64, maxAge);
        QFETCH(bool, oldAccess);
        QFETCH(bool, oldModification);
        QFETCH(int, daysAhead);
        QFETCH(bool, deleted);
        QTemporaryDir dir;
        ImageCacheConfig config;
        config.diskCacheExpireType = type;
        config.maxDiskAge = maxAge;
        DiskCache cache(dir.path(), config);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QFile file(dir.filePath("entry"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x") == 1 && file.flush());
        QVERIFY(file.setFileTime(oldAccess ? now.addDays(-10) : now, QFileDevice::FileAccessTime));
        QVERIFY(file.setFileTime(oldModification ? now.addDays(-10) : now, QFileDevice::FileModificationTime));
        file.close();
        cache.removeExpiredData(now.addDays(daysAhead));
        QCOMPARE(!QFile::exists(dir.filePath("entry")), deleted);
    }

    void sizeLimitTrimsOldestBelowHalf()
    {
        QTemporaryDir dir;
        DiskCache probe(dir.path(), ImageCacheConfig());
        QVERIFY(ImageTestData::writeFile(dir.filePath("probe"), QByteArray(4096, 'x')));
        const quint64 block = probe.totalSize(); // allocated size of one entry on this file system
        QVERIFY(block >= 4096);
        QFile::remove(dir.filePath("probe"));

        ImageCacheConfig config;
        config.maxDiskSize = 5 * block; // six entries exceed it; below half is at most two
        DiskCache cache(dir.path(), config);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (int i = 0; i < 6; ++i) {
            QFile file(dir.filePath(QString("entry%1").arg(i)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(4096, 'x')) == 4096 && file.flush());
            QVERIFY(file.setFileTime(now.addSecs(-600 + i * 60), QFileDevice::FileModificationTime)); // entry0 oldest
        }
        cache.removeExpiredData(now);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), (QStringList{"entry4", "entry5"}));
    }

    void cancelledQueryNeverCompletes()
    {
        QTemporaryDir dir;
        ImageCache cache(dir.path());
        cache.storeImage(ImageTestData::image(6, 6, Qt::red), {}, "k");
        cache.waitForDisk();
        cache.clearMemory();
        bool called = false;
        cache.queryImage("k", [&called](const QImage &, const QByteArray &, ImageCache::CacheType) { called = true; })->cancel();
        cache.waitForDisk();
        QCoreApplication::processEvents();
        QVERIFY(!called);
    }

    void expiredFilesGoWhenTheAppLeavesTheForeground_data()
    {
        QTest::addColumn<Qt::ApplicationState>("state");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("removed");
        QTest::newRow("hidden") << Qt::ApplicationHidden << true << true;
        QTest::newRow("inactive") << Qt::ApplicationInactive << true << true;
        QTest::newRow("active") << Qt::ApplicationActive << true << false;
        QTest::newRow("hidden, turned off") << Qt::ApplicationHidden << false << false;
    }

    void expiredFilesGoWhenTheAppLeavesTheForeground()
    {
        QFETCH(Qt::ApplicationState, state);
        QFETCH(bool, enabled);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        ImageCacheConfig config;
        config.shouldRemoveExpiredDataWhenEnterBackground = enabled;
        ImageCache cache(dir.path(), "default", config);
        QDir().mkpath(cache.diskCachePath());
        QVERIFY(writeAgedFile(cache.cachePath("old"), 8 * 86400));
        emit qGuiApp->applicationStateChanged(state);
        cache.waitForDisk();
        QCOMPARE(!QFile::exists(cache.cachePath("old")), removed);
    }

    void quittingRemovesExpiredFilesBeforeTheCacheEnds()
    {
        QTemporaryDir dir;
        QString old;
        {
            ImageCache cache(dir.path());
            QDir().mkpath(cache.diskCachePath());
            old = cache.cachePath("old");
            QVERIFY(writeAgedFile(old, 8 * 86400));
            QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit")); // as QCoreApplication::exit() would
        }
        QVERIFY(!QFile::exists(old));
    }

    void cacheKeepsTheConfigurationItWasMadeWith()
    {
        const ImageCacheConfig saved = ImageCacheConfig::defaultConfig();
        QTemporaryDir dir;
        ImageCache cache(dir.path());
        ImageCacheConfig::defaultConfig().maxMemoryCount = 1;
        ImageCacheConfig::defaultConfig().shouldCacheImagesInMemory = false;
        cache.storeImage(ImageTestData::image(2, 2, Qt::red), {}, "a");
        cache.storeImage(ImageTestData::image(2, 2, Qt::red), {}, "b");
        ImageCacheConfig::defaultConfig() = saved;
        QCOMPARE(cache.memoryCache().count(), quint64(2));

        ImageCacheConfig limited = cache.config();
        limited.maxMemoryCount = 1;
        cache.setConfig(limited); // shrinking limits evict at once
        QCOMPARE(cache.memoryCache().count(), quint64(1));
        QVERIFY(!cache.imageFromMemory("b").isNull());
        cache.waitForDisk();
    }
};

QTEST_MAIN(TestImageCache)
#include "tst_imagecache.moc"
