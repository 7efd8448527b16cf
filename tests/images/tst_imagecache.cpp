#include "diskcache.h"
#include "imagecache.h"
#include "imagetestdata.h"
#include "memorycache.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/xattr.h>

using ExpireType = ImageCacheConfig::ExpireType;

class TestImageCache : public QObject
{
    Q_OBJECT

private:
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static void setTimes(const QString &path, const QDateTime &access, const QDateTime &modification)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(access, QFileDevice::FileAccessTime));
        QVERIFY(file.setFileTime(modification, QFileDevice::FileModificationTime));
    }
    // A query answered on the cache's own thread, waited for.
    struct QueryResult {
        QImage image;
        QByteArray data;
        ImageCache::CacheType type = ImageCache::CacheType::None;
        bool answered = false;
    };
    static QueryResult query(ImageCache &cache, const QString &key)
    {
        auto result = std::make_shared<QueryResult>();
        cache.queryImage(key, [result](const QImage &image, const QByteArray &data, ImageCache::CacheType type) {
            *result = {image, data, type, true};
        });
        if (!QTest::qWaitFor([result] { return result->answered; }, 5000))
            qWarning("the cache query never completed");
        return *result;
    }

private slots:
    // --- memory ---

    void costIsDecodedBytesPerRowTimesHeight_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<quint64>("cost");
        QTest::newRow("32-bit") << QImage(10, 7, QImage::Format_ARGB32) << quint64(10 * 4 * 7);
        QTest::newRow("rows padded to 4 bytes") << QImage(10, 3, QImage::Format_Indexed8) << quint64(12 * 3);
        QTest::newRow("no bitmap") << QImage() << quint64(0);
    }

    void costIsDecodedBytesPerRowTimesHeight()
    {
        QFETCH(QImage, image);
        QFETCH(quint64, cost);
        QCOMPARE(MemoryCache::cost(image), cost);
    }

    void limitsEvictLeastRecentlyUsed_data()
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

    void limitsEvictLeastRecentlyUsed()
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
        QVERIFY(maxCost == 0 || cache.totalCost() <= maxCost);
    }

    void shrinkingLimitsEvictAtOnce()
    {
        MemoryCache cache;
        for (int i = 0; i < 5; ++i)
            cache.insert(QString::number(i), ImageTestData::image(4, 4, Qt::blue));
        ImageCacheConfig config;
        config.maxMemoryCount = 2;
        cache.setConfig(config);
        QCOMPARE(cache.count(), quint64(2));
        QVERIFY(!cache.image("4").isNull());
        QVERIFY(cache.image("0").isNull());
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
        if (weak)
            QCOMPARE(cache.count(), quint64(1)); // a weak hit returns to the cost-limited part
    }

    // --- disk: naming ---

    void fileNameIsDigestAndExtension_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("extension");
        QTest::newRow("png") << "http://127.0.0.1/icons/TesselIcon.png" << ".png";
        QTest::newRow("no extension") << "http://127.0.0.1/icons/TesselIcon" << "";
        QTest::newRow("query ignored") << "http://127.0.0.1/icons/a.jpg?size=2#x" << ".jpg";
        QTest::newRow("last of several dots") << "http://127.0.0.1/a.tar.gz" << ".gz";
        QTest::newRow("dot in a folder only") << "http://127.0.0.1/v1.2/icon" << "";
        QTest::newRow("trailing slash") << "http://127.0.0.1/folder.d/" << ".d";
        QTest::newRow("not a URL") << "plain name.jpeg" << ".jpeg";
        QTest::newRow("222 characters kept") << "http://127.0.0.1/a." + QString(222, 'x') << "." + QString(222, 'x');
        QTest::newRow("223 characters dropped") << "http://127.0.0.1/a." + QString(223, 'x') << "";
        QTest::newRow("non-ASCII too long in bytes") << "http://127.0.0.1/a." + QString(120, QChar(0x00e9)) << "";
    }

    void fileNameIsDigestAndExtension()
    {
        QFETCH(QString, key);
        QFETCH(QString, extension);
        const QString name = DiskCache::fileName(key);
        QCOMPARE(name.size(), 32 + extension.size());
        QVERIFY2(QRegularExpression("^[0-9a-f]{32}").match(name).hasMatch(), qPrintable(name));
        QCOMPARE(name.mid(32), extension);
    }

    void fileNameDigestIsMd5OfTheKey()
    {
        QCOMPARE(DiskCache::fileName("http://127.0.0.1/icons/TesselIcon.png"),
                 QString("ade5c7fe2fdb0616c47cde63dd1a75c3.png"));
    }

    // --- disk: writing ---

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

    void filesCarryBackupMarkAndMetadataWhereSupported()
    {
        QTemporaryDir dir;
        DiskCache cache(dir.path(), ImageCacheConfig());
        QVERIFY(cache.store("bytes", "k.png"));
        const QByteArray path = QFile::encodeName(cache.cachePath("k.png"));
        if (::setxattr(path.constData(), "user.kestrel.probe", "1", 1, 0) != 0)
            QSKIP("this file system keeps no user extended attributes");
        char mark[16] = {};
        const ssize_t size = ::getxattr(path.constData(), DiskCache::BackupAttribute, mark, sizeof(mark));
        QCOMPARE(QByteArray(mark, int(size)), QByteArray("false"));

        QVERIFY(cache.extendedData("k.png").isEmpty());
        QVERIFY(cache.setExtendedData("{\"scale\":2}", "k.png"));
        QCOMPARE(cache.extendedData("k.png"), QByteArray("{\"scale\":2}"));

        ImageCacheConfig noMark;
        noMark.shouldDisableiCloud = false;
        DiskCache unmarked(dir.filePath("other"), noMark);
        QVERIFY(unmarked.store("bytes", "k.png"));
        QCOMPARE(::getxattr(QFile::encodeName(unmarked.cachePath("k.png")).constData(), DiskCache::BackupAttribute,
                            mark, sizeof(mark)),
                 ssize_t(-1));
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

    // --- disk: expiry ---

    void expiryBoundaryIsExactlyTheMaximumAge()
    {
        QTemporaryDir dir;
        DiskCache cache(dir.path(), ImageCacheConfig());
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const QDateTime week = now.addSecs(-604800);
        for (const QString name : {"week", "younger", "hidden"})
            writeFile(dir.filePath(name == "hidden" ? ".hidden" : name), "x");
        setTimes(dir.filePath("week"), now, week);
        setTimes(dir.filePath("younger"), now, week.addSecs(1));
        setTimes(dir.filePath(".hidden"), now, week.addDays(-30));

        cache.removeExpiredData(now);
        QVERIFY2(!QFile::exists(dir.filePath("week")), "a file exactly one week old stayed");
        QVERIFY2(QFile::exists(dir.filePath("younger")), "a file one second younger than a week was deleted");
        QVERIFY2(QFile::exists(dir.filePath(".hidden")), "the expiry pass touched a hidden file");
    }

    void negativeMaximumAgeKeepsEverything()
    {
        QTemporaryDir dir;
        ImageCacheConfig config;
        config.maxDiskAge = -1;
        DiskCache cache(dir.path(), config);
        writeFile(dir.filePath("ancient"), "x");
        setTimes(dir.filePath("ancient"), QDateTime::currentDateTimeUtc(), QDateTime::currentDateTimeUtc().addYears(-3));
        cache.removeExpiredData(QDateTime::currentDateTimeUtc());
        QVERIFY(QFile::exists(dir.filePath("ancient")));
    }

    void expiryUsesTheChosenDate_data()
    {
        QTest::addColumn<ExpireType>("type");
        QTest::addColumn<bool>("oldAccess");
        QTest::addColumn<bool>("oldModification");
        QTest::addColumn<int>("daysAhead"); // how far "now" is past the file's creation
        QTest::addColumn<bool>("deleted");
        QTest::newRow("access: old access") << ExpireType::AccessDate << true << false << 0 << true;
        QTest::newRow("access: old modification only") << ExpireType::AccessDate << false << true << 0 << false;
        QTest::newRow("modification: old modification") << ExpireType::ModificationDate << false << true << 0 << true;
        QTest::newRow("modification: old access only") << ExpireType::ModificationDate << true << false << 0 << false;
        QTest::newRow("creation: new file") << ExpireType::CreationDate << true << true << 0 << false;
        QTest::newRow("creation: eight days on") << ExpireType::CreationDate << false << false << 8 << true;
        QTest::newRow("change: new file") << ExpireType::ChangeDate << true << true << 0 << false;
        QTest::newRow("change: eight days on") << ExpireType::ChangeDate << false << false << 8 << true;
    }

    void expiryUsesTheChosenDate()
    {
        QFETCH(ExpireType, type);
        QFETCH(bool, oldAccess);
        QFETCH(bool, oldModification);
        QFETCH(int, daysAhead);
        QFETCH(bool, deleted);
        QTemporaryDir dir;
        ImageCacheConfig config;
        config.diskCacheExpireType = type;
        DiskCache cache(dir.path(), config);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        writeFile(dir.filePath("entry"), "x");
        setTimes(dir.filePath("entry"), oldAccess ? now.addDays(-10) : now, oldModification ? now.addDays(-10) : now);
        cache.removeExpiredData(now.addDays(daysAhead));
        QCOMPARE(!QFile::exists(dir.filePath("entry")), deleted);
    }

    void sizeLimitTrimsOldestBelowHalf()
    {
        QTemporaryDir dir;
        DiskCache probe(dir.path(), ImageCacheConfig());
        writeFile(dir.filePath("probe"), QByteArray(4096, 'x'));
        const quint64 block = probe.totalSize(); // allocated size of one entry on this file system
        QVERIFY(block >= 4096);
        QFile::remove(dir.filePath("probe"));

        ImageCacheConfig config;
        config.maxDiskSize = 5 * block; // six entries exceed it; below half is at most two
        DiskCache cache(dir.path(), config);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (int i = 0; i < 6; ++i) {
            const QString path = dir.filePath(QString("entry%1").arg(i));
            writeFile(path, QByteArray(4096, 'x'));
            setTimes(path, now, now.addSecs(-600 + i * 60)); // entry0 oldest
        }
        cache.removeExpiredData(now);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), (QStringList{"entry4", "entry5"}));
        QVERIFY(cache.totalSize() < config.maxDiskSize / 2);
    }

    // --- the two levels together ---

    void queryAsksMemoryThenDisk()
    {
        QTemporaryDir dir;
        ImageCache cache(dir.path());
        QCOMPARE(cache.diskCachePath(), dir.filePath("com.quillon.ImageCache/default"));
        const QByteArray bytes = ImageTestData::png(6, 6, Qt::red);
        const QString key = "http://h/icon.png";
        cache.storeImage(ImageTestData::image(6, 6, Qt::red), bytes, key);

        // A memory hit is answered before queryImage returns.
        bool answered = false;
        cache.queryImage(key, [&answered](const QImage &image, const QByteArray &, ImageCache::CacheType type) {
            answered = !image.isNull() && type == ImageCache::CacheType::Memory;
        });
        QVERIFY(answered);

        cache.waitForDisk();
        QCOMPARE(QFile(cache.cachePath(key)).size(), qint64(bytes.size()));
        cache.clearMemory();
        const QueryResult fromDisk = query(cache, key);
        QCOMPARE(fromDisk.type, ImageCache::CacheType::Disk);
        QCOMPARE(fromDisk.data, bytes);
        QCOMPARE(fromDisk.image.pixelColor(3, 3), QColor(Qt::red));
        QVERIFY2(!cache.imageFromMemory(key).isNull(), "a disk hit was not put back in memory");

        QCOMPARE(query(cache, "http://h/never.png").type, ImageCache::CacheType::None);
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

    void corruptFileIsAMiss()
    {
        QTemporaryDir dir;
        ImageCache cache(dir.path());
        QDir().mkpath(cache.diskCachePath());
        writeFile(cache.cachePath("http://h/bad.png"), "\x89PNG but not really");
        QCOMPARE(query(cache, "http://h/bad.png").type, ImageCache::CacheType::None);
    }

    void unwritableDirectoryKeepsPicturesInMemoryOnly()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("com.quillon.ImageCache"), "a file where the folder should be");
        ImageCache cache(dir.path());
        cache.storeImage(ImageTestData::image(6, 6, Qt::red), ImageTestData::png(6, 6, Qt::red), "k");
        cache.waitForDisk();
        QCOMPARE(query(cache, "k").type, ImageCache::CacheType::Memory);
        cache.clearMemory();
        QCOMPARE(query(cache, "k").type, ImageCache::CacheType::None);
    }

    void leavingTheForegroundRemovesExpiredFiles_data()
    {
        QTest::addColumn<Qt::ApplicationState>("state");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("removed");
        QTest::newRow("hidden") << Qt::ApplicationHidden << true << true;
        QTest::newRow("inactive") << Qt::ApplicationInactive << true << true;
        QTest::newRow("active") << Qt::ApplicationActive << true << false;
        QTest::newRow("hidden, turned off") << Qt::ApplicationHidden << false << false;
    }

    void leavingTheForegroundRemovesExpiredFiles()
    {
        QFETCH(Qt::ApplicationState, state);
        QFETCH(bool, enabled);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        ImageCacheConfig config;
        config.shouldRemoveExpiredDataWhenEnterBackground = enabled;
        ImageCache cache(dir.path(), "default", config);
        QDir().mkpath(cache.diskCachePath());
        const QString old = cache.cachePath("old");
        writeFile(old, "x");
        setTimes(old, QDateTime::currentDateTimeUtc(), QDateTime::currentDateTimeUtc().addDays(-8));
        emit qGuiApp->applicationStateChanged(state);
        cache.waitForDisk();
        QCOMPARE(!QFile::exists(old), removed);
    }

    void quittingRemovesExpiredFilesBeforeTheCacheEnds()
    {
        QTemporaryDir dir;
        QString old;
        {
            ImageCache cache(dir.path());
            QDir().mkpath(cache.diskCachePath());
            old = cache.cachePath("old");
            writeFile(old, "x");
            setTimes(old, QDateTime::currentDateTimeUtc(), QDateTime::currentDateTimeUtc().addDays(-8));
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
        cache.setConfig(limited);
        QCOMPARE(cache.memoryCache().count(), quint64(1));
        cache.didReceiveMemoryWarning();
        QCOMPARE(cache.memoryCache().count(), quint64(0));
        cache.waitForDisk();
    }
};

QTEST_MAIN(TestImageCache)
#include "tst_imagecache.moc"
