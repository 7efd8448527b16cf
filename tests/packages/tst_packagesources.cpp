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

    std::unique_ptr<TempDataRoot> m_root;
    SettingsStore *store() const { return m_root->context()->settings(); }
    QJsonArray stored() const { return QJsonDocument::fromJson(store()->data("items_list").value_or(QByteArray())).array(); }

private slots:
    void init() { m_root = std::make_unique<TempDataRoot>(); }
    void cleanup() { m_root.reset(); }

    void firstLaunchAddedSourceAndRelaunch()
    {
        {
            TesselLoaderModel sources(store());
            QCOMPARE(sources.count(), 0);
            QVERIFY2(!store()->data("items_list"), "loading an absent list must not store one");
            sources.addDefaultSource();
            sources.addDefaultSource(); // the empty row may come on screen twice
            QCOMPARE(sources.count(), 1);
            const QString id = sources.items().first().id;
            QVERIFY2(QRegularExpression("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$").match(id).hasMatch(),
                     qPrintable(id));
            QCOMPARE(stored().size(), 1);
            QCOMPARE(stored().at(0).toObject().keys(), (QStringList{"id", "repoicon", "repourl", "title"}));
            sources.add({}, {}, {}); // accepting the prompt with an empty field
            sources.add({}, QStringLiteral("https://repo.example/Other.json"), {});
        }
        TesselLoaderModel relaunched(m_root->relaunch()->settings());
        QCOMPARE(relaunched.count(), 3);
        QCOMPARE(relaunched.items().at(0).title, QStringLiteral("Tessel"));
        QCOMPARE(relaunched.items().at(1).repourl, QString());
        QCOMPARE(relaunched.items().at(2).repourl, QStringLiteral("https://repo.example/Other.json"));
    }

    void deletingKeepsTheRestAndTheLastBringsTheDefaultBack()
    {
        TesselLoaderModel sources(store());
        sources.addDefaultSource();
        const QString firstId = sources.items().first().id;
        for (const char *url : {"a", "b", "c"})
            sources.add({}, QString::fromLatin1(url), {});
        sources.deleteAt({3, 1, 1, 9}); // positions before removal; repeats and strays ignored
        QCOMPARE(sources.count(), 2);
        QCOMPARE(sources.items().at(1).repourl, QStringLiteral("b"));
        QCOMPARE(stored().size(), 2);
        sources.deleteAt({0, 1});
        QCOMPARE(stored().size(), 0);
        sources.addDefaultSource();
        QCOMPARE(sources.count(), 1);
        QVERIFY2(sources.items().first().id != firstId, "the default source comes back with a new id");
    }

    // A stored list that does not decode stays stored untouched until the next save.
    void storedListOnLaunch_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::newRow("any key order, extra members")
            << QByteArray(R"([{"repoicon":"","repourl":"u","extra":true,"title":"T","id":"6F9619FF-8B86-D011-B42D-00C04FC964FF"}])") << 1;
        QTest::newRow("object missing repoicon") << QByteArray(R"([{"id":"A","title":"T","repourl":"u"}])") << 0;
        QTest::newRow("number for a title") << QByteArray(R"([{"id":"A","title":1,"repourl":"u","repoicon":""}])") << 0;
        QTest::newRow("not an array") << QByteArray(R"({"id":"A"})") << 0;
        QTest::newRow("not JSON") << QByteArray("\xff\xfe garbage") << 0;
    }

    void storedListOnLaunch()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        store()->setData("items_list", bytes);
        TesselLoaderModel sources(m_root->relaunch()->settings());
        QCOMPARE(sources.count(), count);
        if (count > 0) {
            QCOMPARE(sources.items().first().id, QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF"));
            return;
        }
        QCOMPARE(store()->data("items_list").value_or(QByteArray()), bytes);
        sources.addDefaultSource();
        QCOMPARE(stored().size(), 1);
    }

    void hideDockCycleAndApplyingPackages()
    {
        Tweaks tweaks(store());
        QCOMPARE(tweaks.dockOpacity(), 1);
        tweaks.toggleHideDock();
        QCOMPARE(store()->value("Dock_Opacity", 1).toLongLong(), 0);
        QCOMPARE(tweaks.hideDockTitle(), QStringLiteral("Remove Hide Dock"));

        // A package applied after Hide Dock changes the opacity but not the button.
        Packages package;
        package.DockOpacity = 5;
        tweaks.applyPackage(package);
        QCOMPARE(store()->value("Dock_Opacity", 1).toLongLong(), 5);
        QCOMPARE(tweaks.hideDockTitle(), QStringLiteral("Remove Hide Dock"));

        tweaks.toggleHideDock();
        QCOMPARE(store()->value("Dock_Opacity", 1).toLongLong(), 1);
        QCOMPARE(store()->value("Hide_Dock_Installed", true).toBool(), false);
        QCOMPARE(tweaks.hideDockTitle(), QStringLiteral("Install Hide Dock"));

        package.DockOpacity = Q_INT64_C(9007199254740993); // past a double's exact range
        tweaks.applyPackage(package);
        QCOMPARE(store()->value("Dock_Opacity", 1).toLongLong(), Q_INT64_C(9007199254740993));
        package.DockOpacity.reset();
        tweaks.applyPackage(package);
        QCOMPARE(Tweaks(m_root->relaunch()->settings()).dockOpacity(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPackageSources)
#include "tst_packagesources.moc"
