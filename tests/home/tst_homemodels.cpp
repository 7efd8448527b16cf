#include "appcontext.h"
#include "appview.h"
#include "assetcatalog.h"
#include "commingsoonmodel.h"
#include "homepreparation.h"
#include "roundedpicture.h"
#include "homescreenmodel.h"
#include "lockscreenmodel.h"
#include "tempdataroot.h"

#include <QSignalSpy>
#include <QtTest>

static QList<int> ints(const QVariantList &list)
{
    QList<int> out;
    for (const QVariant &v : list)
        out.append(v.toInt());
    return out;
}

class TestHomeModels : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataRoot> m_root;
    AppContext *m_context = nullptr;

    void set(const QString &key, const QVariant &value) { m_context->settings()->setValue(key, value); }

private slots:
    void init()
    {
        m_root = std::make_unique<TempDataRoot>();
        m_context = m_root->context();
    }
    void cleanup() { m_root.reset(); }

    // What is prepared before "Press home to open" covers every icon a home screen's first frame
    // draws, at its pixel size, and only pictures that exist (only the calendar is drawn). A
    // number outside the app table reads as the first app, never past the end.
    void preparationCoversTheFirstFrame()
    {
        QCOMPARE(AppView::displayName(AppView::Count), QStringLiteral("Settings"));
        QCOMPARE(AppView::displayName(-1), QStringLiteral("Settings"));
        QVERIFY(AppView::icon(AppView::AppCalendar).isEmpty());
        const auto pictures = HomePreparation::firstFramePictures(390, 2);
        for (const auto &picture : pictures)
            QVERIFY2(AssetCatalog::contains(picture.name), qPrintable(picture.name));
        const auto covered = [&pictures](const QString &name, int points, qreal radius) {
            return pictures.contains({name, QSize(points, points) * 2, radius * 2});
        };
        for (int app = 0; app < AppView::Count; ++app)
            QVERIFY2(app == AppView::AppCalendar || covered(AppView::icon(app), 60, AppView::cornerRadius(app)),
                     qPrintable(AppView::icon(app)));
        for (const QVariant &app : HomeScreenModel::dockApps())
            QVERIFY(covered(AppView::icon(app.toInt()), 65, 20));
        QVERIFY(pictures.contains({QStringLiteral("SafariIcon"), QSize(111, 111), 36})); // 390 / 7 points
        QVERIFY(covered(QStringLiteral("AppleTVIcon"), 12, 3));
    }

    // Every item showing a picture at one size and radius shares one image, with see-through
    // rounded corners; nothing is drawn for an unknown name or an empty size.
    void roundedPicturesAreSharedAndRounded()
    {
        const QImage first = RoundedPicture::picture(QStringLiteral("SafariIcon"), QSize(120, 120), 30);
        QCOMPARE(first.constBits(), RoundedPicture::picture(QStringLiteral("SafariIcon"), QSize(120, 120), 30).constBits());
        QCOMPARE(qAlpha(first.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(first.pixel(60, 60)), 255);
        QVERIFY(RoundedPicture::picture(QStringLiteral("SafariIcon"), QSize(120, 120), 0).pixel(0, 0) != first.pixel(0, 0));
        QVERIFY(RoundedPicture::picture(QStringLiteral("NoSuchIcon"), QSize(120, 120), 30).isNull());
        QVERIFY(RoundedPicture::picture(QStringLiteral("SafariIcon"), QSize(), 30).isNull());
    }

    void pageOneHasEveryGridAppOnce()
    {
        QList<int> seen;
        for (const QVariant &row : HomeScreenModel::pageOneRows())
            seen += ints(row.toList());
        QCOMPARE(seen.size(), 20);
        HomeScreenModel model;
        for (const QVariant &row : model.pageTwoRows())
            seen += ints(row.toList());
        seen.removeAll(HomeScreenModel::EmptySlot);
        seen.removeAll(HomeScreenModel::ExtrasFolderSlot);
        // 36 apps less the four dock apps and the two not installed.
        QCOMPARE(seen.size(), 30);
        QCOMPARE(QSet<int>(seen.begin(), seen.end()).size(), 30);
    }

    void dockPlatterOpacity_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<qreal>("opacity");
        QTest::newRow("never written") << QVariant() << 1.0;
        QTest::newRow("0: transparent platter") << QVariant(0) << 0.0;
        QTest::newRow("5 draws as 1") << QVariant(5) << 1.0;
        QTest::newRow("-3 draws as 0") << QVariant(-3) << 0.0;
        QTest::newRow("not a whole number reads the default") << QVariant(QStringLiteral("0.5")) << 1.0;
    }

    void dockPlatterOpacity()
    {
        QFETCH(QVariant, stored);
        if (stored.isValid())
            set("Dock_Opacity", stored);
        HomeScreenModel model;
        QTEST(model.dockPlatterOpacity(), "opacity");
    }

    // A write from another screen reaches a live home screen without anything else happening.
    void settingsWrittenElsewhereAreSeen()
    {
        HomeScreenModel model;
        QSignalSpy dock(&model, &HomeScreenModel::dockOpacityChanged);
        QSignalSpy installed(&model, &HomeScreenModel::installedAppsChanged);
        set("Dock_Opacity", 0);
        set("Cydia_Installed", true);
        QCOMPARE(dock.count(), 1);
        QCOMPARE(installed.count(), 1);
        QCOMPARE(model.dockPlatterOpacity(), 0.0);
        QCOMPARE(model.pageTwoRows().at(3).toList().at(1).toInt(), int(AppView::AppCydia));
    }

    void openingAnApp()
    {
        HomeScreenModel model;
        QCOMPARE(model.appOpener(), int(AppView::AppSettings));
        QVERIFY(!model.openApp());
        // The extra apps cannot be reached while they are not installed.
        model.openAppView(AppView::AppTessel);
        model.openAppView(AppView::AppCydia);
        model.openAppView(99);
        QVERIFY(!model.openApp());

        model.toggleExtraFolder();
        model.openAppView(AppView::AppPhone);
        QVERIFY(model.openApp());
        // A second tap during the fade must not close what it just opened, nor switch apps.
        model.openAppView(AppView::AppMusic);
        QVERIFY(model.openApp());
        QCOMPARE(model.appOpener(), int(AppView::AppPhone));
        model.toggleExtraFolder(); // the folder is not reachable under an open app
        model.endHomeBarSwipe(-10);
        QVERIFY2(model.showExtraFolder(), "an app opened from the folder returns to an open folder");
        model.closeExtraFolder();
        QVERIFY(!model.showExtraFolder());
    }

    void pageIsSharedWithTheOwner()
    {
        LockscreenModel owner; // the lock screen owns the page
        HomeScreenModel first;
        HomeScreenModel second;
        first.setPageOwner(&owner);
        second.setPageOwner(&owner);
        QSignalSpy seen(&second, &HomeScreenModel::CurrentPageChanged);
        QCOMPARE(first.currentPage(), 1);
        first.setCurrentPage(2);
        QCOMPARE(owner.currentPage(), 2);
        QCOMPARE(second.currentPage(), 2);
        QCOMPARE(seen.count(), 1);
        owner.setCurrentPage(0);
        QCOMPARE(first.currentPage(), 0);
        QVERIFY(first.searchPageShown());
        // Out-of-range pages are taken to the nearest page, both ways.
        owner.setCurrentPage(7);
        QCOMPARE(first.currentPage(), 2);
        first.setCurrentPage(-4);
        QCOMPARE(owner.currentPage(), 0);
    }

    // Lowered into a bottom inset, raised 10 points off the edge of a phone without one.
    void homeBarSitsByTheBottomInset()
    {
        QCOMPARE(HomeScreenModel().homeBarBottomMargin(), 9); // a 34-point inset
        m_context = m_root->relaunch(DeviceInfo::TouchIdPhone);
        QCOMPARE(HomeScreenModel().homeBarBottomMargin(), 10);
    }

    void clockStringsAreThoseOfCreation()
    {
        HomeScreenModel model;
        model.setClockStrings({{"KestrelDay", "Tuesday"}, {"KestrelDayOfMonth", "9"}});
        model.setClockStrings({{"KestrelDay", "Friday"}, {"KestrelDayOfMonth", "12"}});
        QCOMPARE(model.kestrelDay(), QStringLiteral("Tuesday"));
        QCOMPARE(model.kestrelDayOfMonth(), QStringLiteral("9"));
    }

    // A menu left open when the store goes away by another route closes with it (deleting from
    // the menu is the screen test's).
    void storeContextMenuClosesWithTheStore()
    {
        set("Tessel_Installed", true);
        HomeScreenModel model;
        model.showContextMenu(AppView::AppTessel);
        QCOMPARE(model.contextMenuApp(), int(AppView::AppTessel));
        set("Tessel_Installed", false);
        QCOMPARE(model.contextMenuApp(), int(HomeScreenModel::EmptySlot));
        set("Tessel_Installed", true);
        model.deleteFromContextMenu(); // no menu is open: nothing to delete
        QCOMPARE(m_context->settings()->value("Tessel_Installed", false).toBool(), true);
    }

    // Its text is the screen test's; a second tap must not bring a second home screen.
    void placeholderGoesHomeOnce()
    {
        CommingSoonModel placeholder;
        QSignalSpy goHome(&placeholder, &CommingSoonModel::goHomeChanged);
        placeholder.tapMessage();
        placeholder.tapMessage();
        QVERIFY(placeholder.goHome());
        QCOMPARE(goHome.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestHomeModels)
#include "tst_homemodels.moc"
