// The sources list as stored under "items_list", and the two tweaks' settings.
#include "appcontext.h"
#include "packages.h"
#include "settingsstore.h"
#include "tempdataroot.h"
#include "tesselloadermodel.h"
#include "tweaks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QtTest>

class TestPackageSources : public QObject
{
    Q_OBJECT

    static QJsonArray stored(SettingsStore *store)
    {
        return QJsonDocument::fromJson(store->data(QStringLiteral("items_list")).value_or(QByteArray())).array();
    }

private slots:
    void firstLaunchAddedSourceAndRelaunch()
    {
        TempDataRoot root;
        {
            TesselLoaderModel sources(root.context()->settings());
            QCOMPARE(sources.count(), 0);
            QVERIFY2(!root.context()->settings()->data("items_list"), "loading an absent list must not store one");
            sources.addDefaultSource();
            sources.addDefaultSource(); // the empty row may come on screen twice
            QCOMPARE(sources.count(), 1);
            const ItemModel tessel = sources.items().first();
            QCOMPARE(tessel.title, QStringLiteral("Tessel"));
            QVERIFY(tessel.repourl.endsWith(QLatin1String("/Cydia.json")));
            QVERIFY(tessel.repoicon.endsWith(QLatin1String("/TesselIcon.png")));
            QVERIFY2(QRegularExpression("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$")
                         .match(tessel.id).hasMatch(),
                     qPrintable(tessel.id));
            const QJsonArray array = stored(root.context()->settings());
            QCOMPARE(array.size(), 1);
            QCOMPARE(array.at(0).toObject().keys(), (QStringList{"id", "repoicon", "repourl", "title"}));

            sources.add({}, {}, {}); // accepting the prompt with an empty field
            sources.add({}, QStringLiteral("https://repo.example/Other.json"), {});
        }
        TesselLoaderModel relaunched(root.relaunch()->settings());
        QCOMPARE(relaunched.count(), 3);
        QCOMPARE(relaunched.items().at(0).title, QStringLiteral("Tessel"));
        QCOMPARE(relaunched.items().at(1).repourl, QString());
        QCOMPARE(relaunched.items().at(2).repourl, QStringLiteral("https://repo.example/Other.json"));
        QCOMPARE(relaunched.items().at(2).title, QString());
        QCOMPARE(relaunched.items().at(2).repoicon, QString());
    }

    void deletingKeepsTheRestAndTheLastBringsTheDefaultBack()
    {
        TempDataRoot root;
        TesselLoaderModel sources(root.context()->settings());
        sources.addDefaultSource();
        const QString firstId = sources.items().first().id;
        for (const char *url : {"a", "b", "c"})
            sources.add({}, QString::fromLatin1(url), {});
        sources.deleteAt({3, 1, 1, 9}); // positions before removal; repeats and strays ignored
        QCOMPARE(sources.count(), 2);
        QCOMPARE(sources.items().at(1).repourl, QStringLiteral("b"));
        QCOMPARE(stored(root.context()->settings()).size(), 2);

        sources.deleteAt({0, 1});
        QCOMPARE(sources.count(), 0);
        QCOMPARE(stored(root.context()->settings()).size(), 0);
        sources.addDefaultSource();
        QCOMPARE(sources.count(), 1);
        QVERIFY2(sources.items().first().id != firstId, "the default source comes back with a new id");
    }

    void undecodableStoredListStaysUntilTheNextSave_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("object missing repoicon") << QByteArray(R"([{"id":"A","title":"T","repourl":"u"}])");
        QTest::newRow("number for a title") << QByteArray(R"([{"id":"A","title":1,"repourl":"u","repoicon":""}])");
        QTest::newRow("not an array") << QByteArray(R"({"id":"A"})");
        QTest::newRow("not JSON") << QByteArray("\xff\xfe garbage");
    }

    void undecodableStoredListStaysUntilTheNextSave()
    {
        QFETCH(QByteArray, bytes);
        TempDataRoot root;
        root.context()->settings()->setData("items_list", bytes);
        TesselLoaderModel sources(root.relaunch()->settings());
        QCOMPARE(sources.count(), 0);
        QCOMPARE(root.context()->settings()->data("items_list").value_or(QByteArray()), bytes);
        sources.addDefaultSource();
        QCOMPARE(stored(root.context()->settings()).size(), 1);
    }

    void keyOrderAndExtraMembersAreAccepted()
    {
        TempDataRoot root;
        root.context()->settings()->setData(
            "items_list", R"([{"repoicon":"","repourl":"u","extra":true,"title":"T","id":"6F9619FF-8B86-D011-B42D-00C04FC964FF"}])");
        TesselLoaderModel sources(root.relaunch()->settings());
        QCOMPARE(sources.count(), 1);
        QCOMPARE(sources.items().first().id, QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF"));
    }

    void hideDockCycleAndApplyingPackages()
    {
        TempDataRoot root;
        SettingsStore *store = root.context()->settings();
        Tweaks tweaks(store);
        QCOMPARE(tweaks.hideDockTitle(), QStringLiteral("Install Hide Dock"));
        QCOMPARE(tweaks.dockOpacity(), 1);

        tweaks.toggleHideDock();
        QCOMPARE(store->value("Dock_Opacity", 1).toLongLong(), 0);
        QCOMPARE(tweaks.hideDockTitle(), QStringLiteral("Remove Hide Dock"));

        // A package applied after Hide Dock changes the opacity but not the button.
        Packages package;
        package.DockOpacity = 5;
        tweaks.applyPackage(package);
        QCOMPARE(store->value("Dock_Opacity", 1).toLongLong(), 5);
        QCOMPARE(tweaks.hideDockTitle(), QStringLiteral("Remove Hide Dock"));

        tweaks.toggleHideDock();
        QCOMPARE(store->value("Dock_Opacity", 1).toLongLong(), 1);
        QCOMPARE(store->value("Hide_Dock_Installed", false).toBool(), false);
        QCOMPARE(tweaks.hideDockTitle(), QStringLiteral("Install Hide Dock"));

        package.DockOpacity = 0;
        tweaks.applyPackage(package);
        QCOMPARE(store->value("Dock_Opacity", 1).toLongLong(), 0);
        QCOMPARE(store->value("Hide_Dock_Installed", false).toBool(), false);
        package.DockOpacity = Q_INT64_C(9007199254740993); // past a double's exact range
        tweaks.applyPackage(package);
        QCOMPARE(store->value("Dock_Opacity", 1).toLongLong(), Q_INT64_C(9007199254740993));
        package.DockOpacity.reset();
        tweaks.applyPackage(package);
        QCOMPARE(store->value("Dock_Opacity", 1).toLongLong(), 1);

        Tweaks relaunched(root.relaunch()->settings());
        QCOMPARE(relaunched.dockOpacity(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPackageSources)
#include "tst_packagesources.moc"
