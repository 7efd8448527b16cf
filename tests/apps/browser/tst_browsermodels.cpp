#include "appcontext.h"
#include "makerendpoints.h"
#include "safarimodel.h"
#include "settingsstore.h"
#include "tempdataroot.h"
#include "webviewstore.h"

#include <QtTest>

namespace {

// Stands in for the engine view: the same properties, and a record of what was asked of it.
class FakeView : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString title MEMBER title NOTIFY titleChanged)
    Q_PROPERTY(QUrl url READ url WRITE setUrl NOTIFY urlChanged)
    Q_PROPERTY(bool loading MEMBER loading NOTIFY loadingChanged)
    Q_PROPERTY(int loadProgress MEMBER loadProgress NOTIFY loadingChanged)
    Q_PROPERTY(bool canGoBack MEMBER canGoBack NOTIFY loadingChanged)
    Q_PROPERTY(bool canGoForward MEMBER canGoForward NOTIFY loadingChanged)

public:
    QString title;
    QUrl loaded;
    bool loading = false;
    int loadProgress = 0;
    bool canGoBack = false;
    bool canGoForward = false;
    QStringList calls;

    QUrl url() const { return loaded; }
    void setUrl(const QUrl &url) { loaded = url; calls.append(QStringLiteral("load")); emit urlChanged(); }
    void finish(const QString &pageTitle, bool back)
    {
        title = pageTitle;
        emit titleChanged();
        loading = false;
        loadProgress = 100;
        canGoBack = back;
        emit loadingChanged();
    }
    void begin() { loading = true; emit loadingChanged(); }

public slots:
    void goBack() { calls.append(QStringLiteral("back")); }
    void goForward() { calls.append(QStringLiteral("forward")); }
    void stop() { calls.append(QStringLiteral("stop")); }

signals:
    void titleChanged();
    void urlChanged();
    void loadingChanged();
};

} // namespace

class TestBrowserModels : public QObject
{
    Q_OBJECT

private slots:
    // What the field turns into: a search for anything that is not a whole, valid address.
    void addressesAndSearches_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("url"); // empty: nothing loads
        const auto search = [](const char *q) {
            return QStringLiteral("https://www.google.com/search?q=%1&client=safari&channel=iphone").arg(QLatin1String(q));
        };
        QTest::newRow("two words") << "hello world" << search("hello%20world");
        QTest::newRow("bare site name is a search") << "example.org" << search("example.org");
        QTest::newRow("address kept as typed") << "http://example.org/a?b" << "http://example.org/a?b";
        QTest::newRow("address spaces are not encoded") << "http://example.org/a b" << "";
        QTest::newRow("hash starts the fragment") << "c#" << search("c#");
        QTest::newRow("lone percent is no URL") << "100% sure" << "";
        QTest::newRow("encoded percent passes") << "100%25" << search("100%25");
        QTest::newRow("characters a URL may not hold") << "a<b>" << "";
        QTest::newRow("broken address") << "http://[::1" << "";
    }
    void addressesAndSearches()
    {
        QFETCH(QString, typed);
        QTEST(SafariModel::urlFor(typed).toString(QUrl::FullyEncoded), "url");
    }

    // The exact addresses install (the screen test visits both); anything near them does not.
    void onlyTheExactAddressesInstall()
    {
        const QString store = MakerEndpoints::addToKestrel();
        const QString home = QLatin1String(MakerEndpoints::PackageManagerHome);
        QCOMPARE(SafariModel::installFor(home), SafariModel::Install::PackageManager);
        for (const QString &near : {home + QLatin1Char('/'), home.toUpper(), store + QLatin1Char('/'), QLatin1Char(' ') + store})
            QCOMPARE(SafariModel::installFor(near), SafariModel::Install::Nothing);
    }

    void aFavouriteOpensItsSiteAndReturnToggles()
    {
        SafariModel model(static_cast<SettingsStore *>(nullptr));
        model.openFavourite(0);
        QCOMPARE(model.searchString(), QStringLiteral("https://www.apple.com"));
        QVERIFY(model.showingWebView());
        model.commit();
        QVERIFY(!model.showingWebView());
        model.openFavourite(3);
        model.openFavourite(4); // none: nothing changes
        QCOMPARE(model.searchString(), QStringLiteral("https://www.yahoo.com"));
    }

    void loadingWritesTheFlagAndLoadsEvenWhenNothingFollows()
    {
        TempDataRoot root;
        SettingsStore *settings = root.context()->settings();
        SafariModel model(settings);
        FakeView view;
        WebViewStore store;
        store.setWebView(&view);

        model.setSearchString(QLatin1String(MakerEndpoints::PackageManagerHome));
        QVERIFY(model.loadInto(&store));
        QCOMPARE(view.loaded, QUrl(QLatin1String(MakerEndpoints::PackageManagerHome)));
        QCOMPARE(settings->value(QStringLiteral("Cydia_Installed"), false).toBool(), true);
        QCOMPARE(settings->value(QStringLiteral("Tessel_Installed"), false).toBool(), false);

        model.setSearchString(QStringLiteral("100% sure"));
        QVERIFY(!model.loadInto(&store));
        model.setSearchString(QStringLiteral("file:///etc/passwd"));
        QVERIFY(!model.loadInto(&store));
        QCOMPARE(view.calls, QStringList{QStringLiteral("load")});
        QCOMPARE(settings->value(QStringLiteral("Cydia_Installed"), false).toBool(), true);
    }

    void storeFollowsTheViewAndMovesOnlyWhereItCan()
    {
        FakeView view;
        WebViewStore store;
        store.setWebView(&view);
        QSignalSpy changed(&store, &WebViewStore::changed);
        QCOMPARE(store.address(), QString());

        QVERIFY(store.load(QUrl(QStringLiteral("https://example.org/"))));
        view.begin();
        QVERIFY(store.isLoading());
        store.goBack();
        store.goForward();
        view.finish(QStringLiteral("Example"), true);
        QCOMPARE(store.estimatedProgress(), 1.0);
        view.title = QStringLiteral("Renamed by the page"); // a title change on its own
        emit view.titleChanged();
        QCOMPARE(store.title(), QStringLiteral("Renamed by the page"));
        QCOMPARE(store.address(), QStringLiteral("https://example.org/"));
        QVERIFY(store.canGoBack() && !store.canGoForward() && store.hasOnlySecureContent());
        store.goBack();
        store.goForward();
        QCOMPARE(view.calls, QStringList({QStringLiteral("load"), QStringLiteral("back")}));
        QVERIFY(changed.count() >= 3);
    }

    void aLoadThatDoesNotFinishIsStopped()
    {
        FakeView view;
        WebViewStore store;
        QCOMPARE(store.timeoutMs(), 60000);
        store.setTimeoutMs(50);
        store.setWebView(&view);
        view.begin();
        QTRY_COMPARE(view.calls, QStringList{QStringLiteral("stop")});
        view.finish(QString(), false);
        view.begin();
        view.finish(QString(), false); // finished in time: nothing more to stop
        QTest::qWait(100);
        QCOMPARE(view.calls, QStringList{QStringLiteral("stop")});
    }
};

QTEST_GUILESS_MAIN(TestBrowserModels)
#include "tst_browsermodels.moc"
