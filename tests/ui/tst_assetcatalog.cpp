#include "assetcatalog.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTest>

class TestAssetCatalog : public QObject
{
    Q_OBJECT

private slots:
    // Every bundled picture, by the rules of its folder.
    void everyPictureResolvesAndDraws_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : AssetCatalog::names())
            QTest::newRow(qPrintable(name)) << name;
    }

    void everyPictureResolvesAndDraws()
    {
        QFETCH(QString, name);
        const QUrl url = AssetCatalog::url(name);
        QVERIFY(AssetCatalog::contains(name));
        QCOMPARE(url.scheme(), QStringLiteral("qrc"));
        const QString folder = url.path().section(u'/', 2, 2);
        QVERIFY2(url.path().startsWith(QStringLiteral("/assets/%1/%2.").arg(folder, name)), qPrintable(url.toString()));
        QVERIFY2(QStringList({"icons", "wallpapers", "pictures"}).contains(folder), qPrintable(folder));

        QImageReader reader(u':' + url.path());
        const QSize size = reader.size();
        QVERIFY2(size.isValid(), qPrintable(reader.errorString()));
        if (folder == u"wallpapers") {
            // Full-screen portrait pictures, sharp on the largest phone profile, yet small enough to bundle.
            QVERIFY2(size.width() >= 780 && size.height() >= 1688, qPrintable(name));
            QVERIFY2(QFile(u':' + url.path()).size() <= 260 * 1024, "wallpaper file too large");
        } else {
            QCOMPARE(size.width(), size.height()); // drawn into square tiles
        }

        reader.setScaledSize(QSize(48, 48 * size.height() / size.width()));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        // A picture that failed to draw (an SVG the renderer does not understand) comes out flat.
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        }
        QVERIFY2(colours.size() >= 3 || name == u"Black", "picture draws as a flat colour");
        // Icons are full-bleed: the home screen clips the corners itself, so the tile must be opaque.
        if (folder == u"icons")
            QVERIFY(qAlpha(image.pixel(0, 0)) == 255 && qAlpha(image.pixel(image.width() - 1, image.height() - 1)) == 255);
    }

    void unknownOrPathLikeNamesResolveToNothing()
    {
        for (const char *name : {"", "NoSuchPicture", "settingsicon", "SettingsIcon.svg", "icons/SettingsIcon",
                                 "../icons/SettingsIcon", "/assets/icons/SettingsIcon", "Earth/"}) {
            QVERIFY2(AssetCatalog::url(QString::fromLatin1(name)).isEmpty(), name);
            QVERIFY2(!AssetCatalog::contains(QString::fromLatin1(name)), name);
        }
    }

    // One name, one picture: a name in two folders would resolve by search order, not by intent.
    void bundledNamesAreUnique()
    {
        const QStringList names = AssetCatalog::names();
        QCOMPARE(QSet<QString>(names.cbegin(), names.cend()).size(), names.size());
        for (const char *oneOfEachFolder : {"SettingsIcon", "Earth", "Flower"})
            QVERIFY2(names.contains(QLatin1String(oneOfEachFolder)), oneOfEachFolder);
    }
};

QTEST_MAIN(TestAssetCatalog)
#include "tst_assetcatalog.moc"
