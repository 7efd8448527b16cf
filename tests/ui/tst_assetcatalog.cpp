#include "assetcatalog.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTest>

namespace {

enum class Kind { Icon, Wallpaper, Picture };

// Every picture name the shell's screens use, and the folder it belongs in.
const QList<std::pair<QString, Kind>> &requiredAssets()
{
    static const QList<std::pair<QString, Kind>> all = [] {
        QList<std::pair<QString, Kind>> list;
        for (const char *icon : {"SettingsIcon", "PhoneIcon", "MessagesIcon", "MusicIcon", "SafariIcon", "WalletIcon",
                                 "AppStoreIcon", "iTunesStoreIcon", "BooksIcon", "HealthIcon", "RemindersIcon",
                                 "NotesIcon", "AppleTVIcon", "StocksIcon", "WeatherIcon", "HomeIcon", "ClockIcon",
                                 "MapsIcon", "MailIcon", "PhotosIcon", "CameraIcon", "FaceTimeIcon", "PodcastsIcon",
                                 "CalculatorIcon", "WatchIcon", "GarageBandIcon", "FilesIcon", "ClipsIcon",
                                 "iMovieIcon", "PagesIcon", "KeynoteIcon", "NumbersIcon", "iTunesUIcon",
                                 "TesselIcon", "CydiaIcon"})
            list.append({QString::fromLatin1(icon), Kind::Icon});
        for (const char *wallpaper : {"Earth", "Moon", "EarthNight", "Wallpaper", "iOS10Wallpaper", "Mars",
                                      "Flower_Aechmea", "Flower_Gloriosa", "Flower_Aquilegia", "Flower_Fritillaria",
                                      "Flower_Muscari", "Flower_Helleborus", "Stripe_Green", "Stripe_Yellow",
                                      "Stripe_Orange", "Stripe_Red", "Stripe_Purple", "Stripe_Blue", "Stripe_Black",
                                      "Black"})
            list.append({QString::fromLatin1(wallpaper), Kind::Wallpaper});
        for (const char *picture : {"SiriIcon", "TesselIconCircle", "Flower", "Bluetooth", "FacebookIcon",
                                    "TwitterIcon", "ThemesIcon", "AppleFav", "BingFav", "GoogleFav", "YahooFav"})
            list.append({QString::fromLatin1(picture), Kind::Picture});
        return list;
    }();
    return all;
}

QString folderOf(Kind kind)
{
    switch (kind) {
    case Kind::Icon:
        return QStringLiteral("icons");
    case Kind::Wallpaper:
        return QStringLiteral("wallpapers");
    case Kind::Picture:
        return QStringLiteral("pictures");
    }
    return {};
}

QString resourceFile(const QUrl &url) { return QLatin1Char(':') + url.path(); }

// How many distinct colours a small rendering of the picture has: a picture that failed to draw
// (an SVG the renderer does not understand) comes out as a single flat or transparent colour.
int distinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            colours.insert(line[x]);
    }
    return int(colours.size());
}

} // namespace

class TestAssetCatalog : public QObject
{
    Q_OBJECT

private slots:
    void everyRequiredPictureResolvesAndDraws_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        for (const auto &[name, kind] : requiredAssets())
            QTest::newRow(qPrintable(name)) << name << int(kind);
    }
    void everyRequiredPictureResolvesAndDraws()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QVERIFY(AssetCatalog::contains(name));
        const QUrl url = AssetCatalog::url(name);
        QCOMPARE(url.scheme(), QStringLiteral("qrc"));
        QVERIFY2(url.path().startsWith(QStringLiteral("/assets/%1/%2.").arg(folderOf(Kind(kind)), name)),
                 qPrintable(url.toString()));

        QImageReader reader(resourceFile(url));
        const QSize size = reader.size();
        QVERIFY2(size.isValid(), qPrintable(reader.errorString()));
        if (Kind(kind) == Kind::Wallpaper) {
            // Full-screen portrait pictures, sharp on the largest phone profile, yet small enough to bundle.
            QVERIFY2(size.width() >= 780 && size.height() >= 1688, qPrintable(name));
            QVERIFY2(QFile(resourceFile(url)).size() <= 260 * 1024, "wallpaper file too large");
        } else {
            // Icons and pictures are squares, drawn into square tiles.
            QCOMPARE(size.width(), size.height());
        }

        reader.setScaledSize(QSize(48, 48 * size.height() / size.width()));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        if (name != QLatin1String("Black"))
            QVERIFY2(distinctColours(image.convertToFormat(QImage::Format_ARGB32)) >= 3, "picture draws as a flat colour");
        if (Kind(kind) == Kind::Icon) {
            // Full-bleed: the home screen clips the corners itself, so the tile must be opaque.
            const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(qAlpha(argb.pixel(0, 0)), 255);
            QCOMPARE(qAlpha(argb.pixel(argb.width() - 1, argb.height() - 1)), 255);
        }
    }

    void unknownOrPathLikeNamesResolveToNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("unknown") << QStringLiteral("NoSuchPicture");
        QTest::newRow("other case") << QStringLiteral("settingsicon");
        QTest::newRow("with extension") << QStringLiteral("SettingsIcon.svg");
        QTest::newRow("folder and name") << QStringLiteral("icons/SettingsIcon");
        QTest::newRow("parent folder") << QStringLiteral("../icons/SettingsIcon");
        QTest::newRow("absolute") << QStringLiteral("/assets/icons/SettingsIcon");
        QTest::newRow("trailing slash") << QStringLiteral("Earth/");
    }
    void unknownOrPathLikeNamesResolveToNothing()
    {
        QFETCH(QString, name);
        QVERIFY(AssetCatalog::url(name).isEmpty());
        QVERIFY(!AssetCatalog::contains(name));
    }

    // One name, one picture: a name in two folders would resolve by search order, not by intent.
    void bundledNamesAreUniqueAndComplete()
    {
        const QStringList names = AssetCatalog::names();
        QCOMPARE(QSet<QString>(names.cbegin(), names.cend()).size(), names.size());
        for (const auto &[name, kind] : requiredAssets())
            QVERIFY2(names.contains(name), qPrintable(name));
        QVERIFY2(!names.contains(QStringLiteral("Placeholder")), "the placeholder picture is still bundled");
    }
};

QTEST_MAIN(TestAssetCatalog)
#include "tst_assetcatalog.moc"
