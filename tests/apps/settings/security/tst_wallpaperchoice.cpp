#include "appcontext.h"
#include "choosenewwallpapermodel.h"
#include "customphoto.h"
#include "tempdataroot.h"
#include "testfiles.h"

#include <QBuffer>
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
} // namespace

class TestWallpaperChoice : public QObject
{
    Q_OBJECT

    TempDataRoot *m_root = nullptr;
    AppContext *m_context = nullptr;
    WallpaperFiles *files() { return m_context->wallpapers(); }
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        return TestFiles::write(m_root->filePath(name), bytes) ? m_root->filePath(name) : QString();
    }

private slots:
    void init()
    {
        m_root = new TempDataRoot;
        m_context = m_root->context();
    }
    void cleanup() { delete m_root; }

    void photosAreScaledToTwiceTheScreenAndTurnedUpright()
    {
        const QSize screen(390, 844);
        QCOMPARE(customphoto::keptSize(QSize(780, 1688), screen), QSize(780, 1688));

        // A big photo stored sideways with its orientation in EXIF: wide pixels, upright tall.
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QImage sideways = picture(Qt::blue, QSize(4000, 3000));
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
