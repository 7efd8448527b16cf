#include "appcontext.h"
#include "choosenewwallpapermodel.h"
#include "customphoto.h"
#include "setwallpapermodel.h"
#include "tempdataroot.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImageWriter>
#include <QtTest>

namespace {
QImage picture(QColor colour, QSize size = QSize(120, 260))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}
bool near(QColor a, QColor b) { return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 30; }
QColor centre(const QImage &image) { return image.pixelColor(image.width() / 2, image.height() / 2); }
} // namespace

class TestWallpaperChoice : public QObject
{
    Q_OBJECT

    TempDataRoot *m_root = nullptr;
    AppContext *m_context = nullptr;
    SettingsStore *store() { return m_context->settings(); }
    WallpaperFiles *files() { return m_context->wallpapers(); }
    QByteArray digest(const QString &name)
    {
        QFile file(files()->filePath(name));
        return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5) : QByteArray();
    }
    QVariantList keys()
    {
        return {store()->value("Lockscreen_Wallpaper", QString("Wallpaper")), store()->value("Homescreen_Wallpaper", QString("Wallpaper")),
                store()->value("Lockscreen_Wallpaper_Custom", false), store()->value("Homescreen_Wallpaper_Custom", false)};
    }
    // Both screens custom with a green file, names "Earth": the state each case departs from.
    void customBefore()
    {
        store()->setValue("Lockscreen_Wallpaper", "Earth");
        store()->setValue("Homescreen_Wallpaper", "Earth");
        store()->setValue("Lockscreen_Wallpaper_Custom", true);
        store()->setValue("Homescreen_Wallpaper_Custom", true);
        QVERIFY(files()->saveWallpaperFile("CustomWallpaperLock", picture(Qt::green)));
        QVERIFY(files()->saveWallpaperFile("CustomWallpaperHome", picture(Qt::green)));
    }
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_root->filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

private slots:
    void init()
    {
        m_root = new TempDataRoot;
        m_context = m_root->context();
    }
    void cleanup() { delete m_root; }

    void sheetButtonsWriteExactlyTheirKeysAndFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("target");
        QTest::addColumn<QVariantList>("expected");
        QTest::newRow("Mars for the lock screen") << "Mars" << int(SetWallpaperModel::LockScreen)
                                                  << QVariantList{"Mars", "Earth", false, true};
        QTest::newRow("Mars for the home screen") << "Mars" << int(SetWallpaperModel::HomeScreen)
                                                  << QVariantList{"Earth", "Mars", true, false};
        QTest::newRow("Mars for both") << "Mars" << int(SetWallpaperModel::BothScreens) << QVariantList{"Mars", "Mars", false, false};
        QTest::newRow("photo for the lock screen") << "" << int(SetWallpaperModel::LockScreen) << QVariantList{"Earth", "Earth", true, true};
        QTest::newRow("photo for both") << "" << int(SetWallpaperModel::BothScreens) << QVariantList{"Earth", "Earth", true, true};
    }
    void sheetButtonsWriteExactlyTheirKeysAndFiles()
    {
        QFETCH(QString, name);
        QFETCH(int, target);
        QFETCH(QVariantList, expected);
        customBefore();
        if (name.isEmpty()) {
            // A photo choice starts from both custom flags off, to see which ones it sets.
            store()->setValue("Lockscreen_Wallpaper_Custom", false);
            store()->setValue("Homescreen_Wallpaper_Custom", false);
        }
        const QByteArray lockBefore = digest("CustomWallpaperLock"), homeBefore = digest("CustomWallpaperHome");
        SetWallpaperModel model;
        model.setWallpaper(name);
        if (name.isEmpty())
            model.setCustomWallpaper(picture(Qt::red));
        model.apply(SetWallpaperModel::Target(target));
        QVERIFY2(keys() != expected, "nothing may be stored before the sheet is shown");
        model.pressSet();
        model.apply(SetWallpaperModel::Target(target));
        QVERIFY(model.cancel());
        const bool lock = target != SetWallpaperModel::HomeScreen, home = target != SetWallpaperModel::LockScreen;
        if (name.isEmpty()) {
            expected = {"Earth", "Earth", lock, home};
            QCOMPARE(keys(), expected);
            QCOMPARE(near(centre(files()->loadWallpaperFile("CustomWallpaperLock")), Qt::red), lock);
            QCOMPARE(near(centre(files()->loadWallpaperFile("CustomWallpaperHome")), Qt::red), home);
        } else {
            QCOMPARE(keys(), expected);
            QCOMPARE(digest("CustomWallpaperLock"), lockBefore);
            QCOMPARE(digest("CustomWallpaperHome"), homeBefore);
        }
    }

    void cancellingStoresNothing()
    {
        customBefore();
        const QVariantList before = keys();
        SetWallpaperModel model;
        model.setWallpaper("Mars");
        model.pressSet();
        model.dismissSheet();
        QVERIFY(!model.setButton());
        QVERIFY2(!model.cancel(), "closing the sheet keeps the preview");
        model.apply(SetWallpaperModel::BothScreens);
        model.pressCancel();
        model.apply(SetWallpaperModel::BothScreens);
        QCOMPARE(keys(), before);
    }

    void photosAreScaledToTwiceTheScreenAndTurnedUpright()
    {
        const QSize screen(390, 844);
        QCOMPARE(customphoto::keptSize(QSize(780, 1688), screen), QSize(780, 1688));
        const QSize huge = customphoto::keptSize(QSize(8000, 6000), screen);
        QVERIFY(qreal(huge.width()) * huge.height() <= 4.0 * 390 * 844);
        QVERIFY(qAbs(qreal(huge.width()) / huge.height() - 8000.0 / 6000.0) < 0.01);

        // A big photo stored sideways with its orientation in EXIF: wide pixels, upright tall.
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QImage sideways = picture(Qt::blue, QSize(4000, 3000));
        sideways.fill(Qt::blue);
        for (int y = 0; y < 3000; ++y)
            for (int x = 0; x < 400; ++x)
                sideways.setPixelColor(x, y, Qt::yellow); // the left edge, which is the top once upright
        QImageWriter writer(&buffer, "jpeg");
        writer.setTransformation(QImageIOHandler::TransformationRotate90);
        QVERIFY(writer.write(sideways));
        const QImage upright = customphoto::read(writeFile("photo.jpg", jpeg), screen);
        QVERIFY2(upright.height() > upright.width(), "the EXIF turn was not applied");
        QVERIFY(qreal(upright.width()) * upright.height() <= 4.0 * 390 * 844);
        QVERIFY(near(upright.pixelColor(upright.width() / 2, 5), Qt::yellow));
        QVERIFY(near(upright.pixelColor(upright.width() / 2, upright.height() - 5), Qt::blue));

        QVERIFY(customphoto::read(writeFile("notes.jpg", "just some words"), screen).isNull());
        QVERIFY(customphoto::read(m_root->filePath("missing.png"), screen).isNull());
    }

    void pickKeepsThePhotoAtOnceAndOpensTheSetPage()
    {
        ChooseNewWallpaperModel chooser;
        chooser.pick(QUrl("https://example.invalid/photo.jpg"));
        QVERIFY2(!chooser.loading() && !chooser.setWallpaper(), "only local files are picked");

        const QString path = m_root->filePath("small.png");
        QVERIFY(picture(Qt::red, QSize(391, 845)).save(path));
        chooser.pick(QUrl::fromLocalFile(path));
        QTRY_VERIFY(chooser.setWallpaper());
        QCOMPARE(chooser.inputImage().size(), QSize(391, 845));
        const QImage kept = files()->loadWallpaperFile("CustomWallpaper");
        QCOMPARE(kept.size(), QSize(391, 845));
        QVERIFY(near(centre(kept), Qt::red));
        QCOMPARE(keys(), (QVariantList{"Wallpaper", "Wallpaper", false, false}));

        // A file that holds no picture: the built-in "Wallpaper" is kept instead.
        ChooseNewWallpaperModel other;
        other.pick(QUrl::fromLocalFile(writeFile("notes.txt", "no picture here")));
        QTRY_VERIFY(other.setWallpaper());
        QVERIFY(other.inputImage().isNull());
        QCOMPARE(files()->loadWallpaperFile("CustomWallpaper").size(), customphoto::builtinWallpaper().size());
    }
};

QTEST_MAIN(TestWallpaperChoice)
#include "tst_wallpaperchoice.moc"
