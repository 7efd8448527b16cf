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

    // A catalogue choice writes names and clears flags, leaving files; a photo writes files and
    // sets flags, leaving names; each only for the screens asked for.
    void sheetButtonsWriteExactlyTheirKeysAndFiles()
    {
        customBefore();
        const QByteArray lockFile = digest("CustomWallpaperLock"), homeFile = digest("CustomWallpaperHome");
        SetWallpaperModel named;
        named.setWallpaper("Mars");
        named.apply(SetWallpaperModel::HomeScreen);
        QVERIFY2(!named.cancel(), "nothing is stored before the sheet is shown");
        named.pressSet();
        named.apply(SetWallpaperModel::HomeScreen);
        QVERIFY(named.cancel());
        QCOMPARE(keys(), (QVariantList{"Earth", "Mars", true, false}));
        QCOMPARE(digest("CustomWallpaperLock"), lockFile);
        QCOMPARE(digest("CustomWallpaperHome"), homeFile);

        store()->setValue("Lockscreen_Wallpaper_Custom", false);
        SetWallpaperModel photo;
        photo.setCustomWallpaper(picture(Qt::red));
        photo.pressSet();
        photo.apply(SetWallpaperModel::LockScreen);
        QCOMPARE(keys(), (QVariantList{"Earth", "Mars", true, false}));
        QVERIFY(near(centre(files()->loadWallpaperFile("CustomWallpaperLock")), Qt::red));
        QCOMPARE(digest("CustomWallpaperHome"), homeFile);
    }

    void photosAreScaledToTwiceTheScreenAndTurnedUpright()
    {
        const QSize screen(390, 844);
        QCOMPARE(customphoto::keptSize(QSize(780, 1688), screen), QSize(780, 1688));

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

    }

    void aFileWithoutAPictureKeepsTheBuiltInOne()
    {
        ChooseNewWallpaperModel chooser;
        chooser.pick(QUrl("https://example.invalid/photo.jpg"));
        QVERIFY2(!chooser.loading() && !chooser.setWallpaper(), "only local files are picked");
        chooser.pick(QUrl::fromLocalFile(writeFile("notes.txt", "no picture here")));
        QTRY_VERIFY(chooser.setWallpaper());
        QVERIFY(chooser.inputImage().isNull());
        QCOMPARE(files()->loadWallpaperFile("CustomWallpaper").size(), customphoto::builtinWallpaper().size());
    }
};

QTEST_MAIN(TestWallpaperChoice)
#include "tst_wallpaperchoice.moc"
