#include "diagnosticlines.h"
#include "tempdataroot.h"
#include "testfiles.h"
#include "wallpaperfiles.h"
#include "wallpaperimageprovider.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

namespace {
QImage picture(QColor colour, QSize size = QSize(120, 260))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QColor centreColour(const QImage &image) { return image.pixelColor(image.width() / 2, image.height() / 2); }

QImage provided(WallpaperImageProvider &provider, const QString &id, QSize requested)
{
    QSize size;
    const QImage image = provider.requestImage(id, &size, requested);
    return size == image.size() ? image : QImage();
}

QStringList cacheEntries(const TempDataRoot &root) { return QDir(root.filePath("Caches/Wallpapers")).entryList(QDir::Files); }

bool near(QColor a, QColor b) { return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 30; }
} // namespace

class TestWallpaperFiles : public QObject
{
    Q_OBJECT

private slots:
    void init() { DiagnosticLines::start(); }
    void cleanup() { DiagnosticLines::stop(); }

    // Saved as a JPEG of the same size; a second save logs and leaves exactly one file.
    void savedPictureReadsBackAndReplacesTheOld()
    {
        TempDataRoot root;
        WallpaperFiles files(root.filePath("Documents"));
        QSignalSpy revisions(&files, &WallpaperFiles::revisionChanged);
        QVERIFY(files.saveWallpaperFile("CustomWallpaperLock", picture(Qt::red, QSize(391, 845))));
        QVERIFY2(TestFiles::read(root.filePath("Documents/CustomWallpaperLock")).startsWith("\xff\xd8"), "not a JPEG");
        const QImage loaded = files.loadWallpaperFile("CustomWallpaperLock");
        QCOMPARE(loaded.size(), QSize(391, 845));
        QVERIFY(near(centreColour(loaded), Qt::red));
        QVERIFY2(DiagnosticLines::said.isEmpty(), "a first save has no old image to report");
        QVERIFY(!files.customSource("CustomWallpaperLock").isEmpty());

        QVERIFY(files.saveWallpaperFile("CustomWallpaperLock", picture(Qt::blue)));
        QCOMPARE(DiagnosticLines::said, QStringList{"Removed old image"});
        QCOMPARE(QDir(root.filePath("Documents")).entryList(QDir::Files | QDir::Hidden), QStringList{"CustomWallpaperLock"});
        QVERIFY(near(centreColour(files.loadWallpaperFile("CustomWallpaperLock")), Qt::blue));
        QCOMPARE(revisions.count(), 2);
    }

    void missingOrBrokenFilesLoadAsNothing()
    {
        TempDataRoot root;
        WallpaperFiles files(root.filePath("Documents"));
        QVERIFY(files.loadWallpaperFile("CustomWallpaperLock").isNull());
        QVERIFY(files.customSource("CustomWallpaperLock").isEmpty());
        QDir().mkpath(root.filePath("Documents"));
        QVERIFY(TestFiles::write(root.filePath("Documents/CustomWallpaperHome"), "not a picture at all"));
        QVERIFY(files.loadWallpaperFile("CustomWallpaperHome").isNull());
        QVERIFY(files.customSource("CustomWallpaperHome").isEmpty());
        QVERIFY(files.loadWallpaperFile("../settings.ini").isNull());
    }

    // Nothing to write or nowhere to write it: nothing written, nothing said. A directory where
    // the file should be: the rename over it fails, the directory stays and the error is said.
    void failedWritesWriteNothing()
    {
        TempDataRoot root;
        WallpaperFiles files(root.filePath("Documents"));
        QVERIFY(!files.saveWallpaperFile("CustomWallpaper", QImage()));
        QVERIFY(!QFileInfo::exists(root.filePath("Documents/CustomWallpaper")));
        QVERIFY(TestFiles::write(root.filePath("NotADir"), {}));
        QVERIFY(!WallpaperFiles(root.filePath("NotADir/Documents")).saveWallpaperFile("CustomWallpaper", picture(Qt::red)));
        QVERIFY(DiagnosticLines::said.isEmpty());

        QVERIFY(QDir().mkpath(root.filePath("Documents/CustomWallpaper/inside")));
        QVERIFY(!files.saveWallpaperFile("CustomWallpaper", picture(Qt::green)));
        QCOMPARE(DiagnosticLines::said.size(), 1);
        QVERIFY2(DiagnosticLines::said.first().startsWith("error saving file with error "), qPrintable(DiagnosticLines::said.first()));
        QVERIFY(QFileInfo(root.filePath("Documents/CustomWallpaper/inside")).isDir());
        QCOMPARE(QDir(root.filePath("Documents")).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // The kept copy shows exactly what a fresh decode shows, and a newly chosen picture (same
    // name, new content) replaces it at once.
    void cachedWallpaperMatchesDecodeAndFollowsNewPicture()
    {
        TempDataRoot root;
        WallpaperFiles files(root.filePath("Documents"));
        WallpaperImageProvider provider(&files);
        const QSize screen(39, 84);
        QVERIFY(files.saveWallpaperFile("CustomWallpaperLock", picture(Qt::red)));
        const QImage fresh = files.loadWallpaperFile("CustomWallpaperLock").scaled(screen, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(provided(provider, "CustomWallpaperLock?1", screen), fresh);
        QCOMPARE(cacheEntries(root), QStringList{"CustomWallpaperLock-39x84"});
        QCOMPARE(provided(provider, "CustomWallpaperLock?1", screen), fresh);

        QVERIFY(files.saveWallpaperFile("CustomWallpaperLock", picture(Qt::blue)));
        QVERIFY(near(centreColour(provided(provider, "CustomWallpaperLock?2", screen)), Qt::blue));
        QVERIFY(near(centreColour(WallpaperImageProvider(&files).requestImage("CustomWallpaperLock", nullptr, screen)), Qt::blue));
        QVERIFY(QFile::remove(root.filePath("Documents/CustomWallpaperLock")));
        QVERIFY2(provided(provider, "CustomWallpaperLock?3", screen).isNull(), "a deleted wallpaper must not live on in the cache");

        // Bundled pictures come out as the engine's own loader decodes them, cached or not.
        QImageReader reader(":/assets/wallpapers/Wallpaper.jpg");
        reader.setScaledSize(QSize(390, 844));
        const QImage bundled = reader.read();
        QVERIFY(!bundled.isNull());
        QCOMPARE(provided(provider, "@Wallpaper.jpg", QSize(390, 844)), bundled);
        QCOMPARE(provided(provider, "@Wallpaper.jpg", QSize(390, 844)), bundled);
        QVERIFY(provided(provider, "@NoSuchPicture.jpg", QSize(390, 844)).isNull());
    }

    // Whatever happened to the kept copy, the picture shown is the real one, and the copy is
    // rebuilt; a cache that cannot be written costs nothing but speed.
    void damagedCacheEntriesAreRebuilt()
    {
        TempDataRoot root;
        WallpaperFiles files(root.filePath("Documents"));
        WallpaperImageProvider provider(&files);
        const QSize screen(39, 84);
        QVERIFY(files.saveWallpaperFile("CustomWallpaperHome", picture(Qt::green)));
        const QImage fresh = provided(provider, "CustomWallpaperHome", screen);
        const QString entry = root.filePath("Caches/Wallpapers/CustomWallpaperHome-39x84");
        const QByteArray good = TestFiles::read(entry);
        QVERIFY(good.size() > fresh.sizeInBytes());

        QByteArray flipped = good;
        flipped[flipped.size() - 7] = char(flipped.at(flipped.size() - 7) ^ 0x40);
        QByteArray header = good;
        header[12] = char(header.at(12) + 1);
        const QList<QByteArray> damages = {{}, good.left(good.size() / 2), good.left(20), good + "x", flipped, header,
                                           QByteArray(good.size(), '\xff')};
        for (const QByteArray &damage : damages) {
            QVERIFY(TestFiles::write(entry, damage));
            QCOMPARE(provided(provider, "CustomWallpaperHome", screen), fresh);
            QCOMPARE(TestFiles::read(entry), good);
        }

        QVERIFY(QFile::remove(entry));
        QVERIFY(QDir().mkpath(entry + "/inside"));
        QCOMPARE(provided(provider, "CustomWallpaperHome", screen), fresh);
        QVERIFY(QFileInfo(entry).isDir());
        QVERIFY(provided(provider, "../settings.ini", screen).isNull());
    }

    void killedWriterLeavesOldOrNewPictureNeverAPartOne()
    {
        TempDataRoot root;
        const QString documents = root.filePath("Documents");
        const QSize size(200, 420);
        {
            WallpaperFiles files(documents);
            QVERIFY(files.saveWallpaperFile("CustomWallpaperLock", picture(Qt::red, size)));
        }
        auto *random = QRandomGenerator::global();
        for (int round = 0; round < 60; ++round) {
            QProcess writer;
            writer.start(QCoreApplication::applicationFilePath(), {"--child-save", documents});
            QVERIFY(writer.waitForStarted());
            QTest::qWait(int(random->bounded(5, 80)));
            writer.kill();
            writer.waitForFinished();

            const QImage now = QImage(documents + "/CustomWallpaperLock", "JPEG");
            QVERIFY2(!now.isNull(), qPrintable(QString("round %1: the wallpaper is missing or unreadable").arg(round)));
            QCOMPARE(now.size(), size);
            const QColor colour = centreColour(now);
            QVERIFY2(near(colour, Qt::red) || near(colour, Qt::blue),
                     qPrintable(QString("round %1: neither picture: %2").arg(round).arg(colour.name())));
            // Make sure the bottom rows are intact too: a truncated JPEG decodes with grey rows.
            const QColor bottom = now.pixelColor(size.width() / 2, size.height() - 2);
            QVERIFY2(near(bottom, colour), qPrintable(QString("round %1: truncated picture").arg(round)));
        }
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--child-save") == 0) {
        // Saves two pictures in turn until it is killed.
        QGuiApplication app(argc, argv);
        WallpaperFiles files(QString::fromLocal8Bit(argv[2]));
        const QImage pictures[] = {picture(Qt::blue, QSize(200, 420)), picture(Qt::red, QSize(200, 420))};
        for (int i = 0;; ++i)
            files.saveWallpaperFile("CustomWallpaperLock", pictures[i % 2]);
    }
    QGuiApplication app(argc, argv);
    TestWallpaperFiles test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wallpaperfiles.moc"
