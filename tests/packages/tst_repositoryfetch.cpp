// Repository documents: the strict decoding, and the fetch against a loopback server with the
// faults of a real network.
#include "appcontext.h"
#include "loadappsfunc.h"
#include "loopbackserver.h"
#include "packages.h"
#include "repodetailmodel.h"
#include "tempdataroot.h"

#include <QNetworkAccessManager>
#include <QThread>
#include <QtTest>

Q_DECLARE_METATYPE(LoopbackServer::Response)

namespace {

// Single-line pieces: moc does not follow raw strings across lines.
const QByteArray TwoPackages =
    R"([{"PackageName": "Plain", "PackageID": "p", "Category": "Tweaks", "PackageVersion": "1"},)"
    R"( {"PackageName": "Full", "PackageID": "f", "Category": "Themes", "PackageVersion": "2.0", "id": "X",)"
    R"(  "AppIcon": "http://i/x.png", "AuthorEmail": "a@x", "ContactEmail": "c@x", "Website": "http://w",)"
    R"(  "Description": "d", "DockOpacity": 0, "Unknown": [1, 2]}])";

QByteArray one(const QByteArray &members)
{
    return R"([{"PackageName": "N", "PackageID": "i", "Category": "Tweaks", "PackageVersion": "1")" + members + "}]";
}

} // namespace

class TestRepositoryFetch : public QObject
{
    Q_OBJECT

    struct Outcome
    {
        int calls = 0;
        bool onGuiThread = true;
        QList<Packages> packages;
    };

    // Fetches and waits until the network has had its say; a completion may still be queued.
    bool fetch(const QString &address, Outcome &outcome, int timeoutMs = LoadAppsFunc::FetchTimeoutMs)
    {
        return LoadAppsFunc::fetch(
            &m_network, address, this,
            [&outcome](const QList<Packages> &packages) {
                ++outcome.calls;
                outcome.onGuiThread = outcome.onGuiThread && QThread::currentThread() == QCoreApplication::instance()->thread();
                outcome.packages = packages;
            },
            timeoutMs);
    }

    QNetworkAccessManager m_network;

private slots:
    void decodesStrictly_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("count"); // -1: the document fails
        QTest::addColumn<QVariant>("dockOpacity"); // of the last package; invalid when absent
        QTest::newRow("required-only and full") << TwoPackages << 2 << QVariant(qint64(0));
        QTest::newRow("empty repository") << QByteArray("[]") << 0 << QVariant();
        QTest::newRow("opacity 5") << one(R"(, "DockOpacity": 5)") << 1 << QVariant(qint64(5));
        QTest::newRow("opacity 1.0 is whole") << one(R"(, "DockOpacity": 1.0)") << 1 << QVariant(qint64(1));
        QTest::newRow("nulls are absent") << one(R"(, "DockOpacity": null, "AppIcon": null)") << 1 << QVariant();
        QTest::newRow("opacity 1.5") << one(R"(, "DockOpacity": 1.5)") << -1 << QVariant();
        QTest::newRow("opacity as text") << one(R"(, "DockOpacity": "1")") << -1 << QVariant();
        QTest::newRow("opacity true") << one(R"(, "DockOpacity": true)") << -1 << QVariant();
        QTest::newRow("opacity past 64 bits") << one(R"(, "DockOpacity": 1e30)") << -1 << QVariant();
        QTest::newRow("icon as number") << one(R"(, "AppIcon": 3)") << -1 << QVariant();
        QTest::newRow("null required") << QByteArray(R"([{"PackageName": null, "PackageID": "i", "Category": "T", "PackageVersion": "1"}])") << -1 << QVariant();
        QTest::newRow("look-alike names are not members") << QByteArray(
            R"([{"packagename": "a", "PackageNames": "a", "PackageID": "i", "Category": "T", "PackageVersion": "1"}])") << -1 << QVariant();
        QTest::newRow("a repeated member counts once") << QByteArray(
            R"([{"PackageName": "a", "PackageName": "b", "PackageID": "i", "Category": "T"}])") << -1 << QVariant();
        QTest::newRow("one bad package fails all")
            << QByteArray(R"([{"PackageName": "A", "PackageID": "a", "Category": "Tweaks", "PackageVersion": "1"},)"
                          R"( {"PackageName": "B", "PackageID": "b", "PackageVersion": "1"}])") << -1 << QVariant();
        QTest::newRow("object, not array") << QByteArray(R"({"PackageName": "A"})") << -1 << QVariant();
        QTest::newRow("array of strings") << QByteArray(R"(["A"])") << -1 << QVariant();
        QTest::newRow("garbage") << QByteArray("<html>Not Found</html>") << -1 << QVariant();
        // Documents a reader straight from the bytes could wrongly take.
        QTest::newRow("trailing comma") << "[" + one("").mid(1, one("").size() - 2) + ",]" << -1 << QVariant();
        QTest::newRow("garbage after the array") << one("") + " x" << -1 << QVariant();
        QTest::newRow("byte-order mark after a space") << " \xef\xbb\xbf" + one("") << -1 << QVariant();
        QTest::newRow("number past a double") << one(R"(, "X": [1e400])") << -1 << QVariant();
        QTest::newRow("leading zero") << one(R"(, "X": 01)") << -1 << QVariant();
        QTest::newRow("deep unknown member") << one(", \"X\": " + QByteArray(40, '[') + QByteArray(40, ']')) << 1 << QVariant();
        QTest::newRow("too deep") << one(", \"X\": " + QByteArray(1100, '[') + QByteArray(1100, ']')) << -1 << QVariant();
        QTest::newRow("overlong UTF-8") << one(", \"AppIcon\": \"\xc0\xaf\"") << -1 << QVariant();
        QTest::newRow("surrogate in UTF-8") << one(", \"AppIcon\": \"\xed\xa0\x80\"") << -1 << QVariant();
        QTest::newRow("cut UTF-8") << one(", \"AppIcon\": \"\xe2\x82\"") << -1 << QVariant();
        QTest::newRow("short escape") << one(", \"AppIcon\": \"\\u12\"") << -1 << QVariant();
        QTest::newRow("opacity -0.5") << one(R"(, "DockOpacity": -0.5)") << -1 << QVariant();
    }

    void decodesStrictly()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, count);
        QFETCH(QVariant, dockOpacity);
        const auto packages = decodePackages(json);
        QCOMPARE(packages.has_value(), count >= 0);
        if (!packages)
            return;
        QCOMPARE(packages->size(), count);
        if (count == 0)
            return;
        const Packages &last = packages->last();
        QCOMPARE(last.DockOpacity.has_value(), dockOpacity.isValid());
        if (dockOpacity.isValid())
            QCOMPARE(*last.DockOpacity, dockOpacity.toLongLong());
    }

    void documentOrderOptionalsAndFreshIds()
    {
        const auto first = decodePackages(TwoPackages), second = decodePackages(TwoPackages);
        QVERIFY(first && second);
        const Packages &plain = first->at(0), &full = first->at(1);
        QCOMPARE(plain.PackageName(), QStringLiteral("Plain"));
        QVERIFY(!plain.AppIcon() && !plain.AuthorEmail() && !plain.ContactEmail() && !plain.Website() && !plain.Description()
                && !plain.DockOpacity);
        QCOMPARE(full.Category(), QStringLiteral("Themes"));
        QCOMPARE(full.AppIcon().value_or(""), QStringLiteral("http://i/x.png"));
        QCOMPARE(full.Description().value_or(""), QStringLiteral("d"));
        QVERIFY(!plain.id.isNull() && plain.id != full.id);
        QVERIFY2(first->at(1).id != second->at(1).id, "every decode makes new ids; the document's id means nothing");
    }

    // Plain documents are read straight from their bytes, the rest by the full parse; both must
    // give the same packages, down to every text.
    void quickReadingMatchesTheFullParse_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("quick"); // read without the full parse
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("dockOpacity");
        const auto doc = [](const QByteArray &members) {
            return "[{" + members + R"(, "PackageID": "i", "Category": "Tweaks", "PackageVersion": "1"}])";
        };
        const QString n = QStringLiteral("N");
        QTest::newRow("escapes") << doc("\"PackageName\": \"\\\"\\\\\\/\\b\\f\\n\\r\\t\\u0041\\u0000\\ud83d\\ude00\\ud800\"") << true
                                 << QStringLiteral("\"\\/\b\f\n\r\tA") + QChar(0) + QString::fromUtf8("\xf0\x9f\x98\x80") + QChar(0xd800)
                                 << QVariant();
        QTest::newRow("UTF-8") << doc("\"PackageName\": \"caf\xc3\xa9 \xf0\x9f\x8c\x8a\"") << true
                               << QString::fromUtf8("caf\xc3\xa9 \xf0\x9f\x8c\x8a") << QVariant();
        QTest::newRow("byte-order mark opening a text is dropped") << doc("\"PackageName\": \"\xef\xbb\xbfN\"") << true << n << QVariant();
        QTest::newRow("byte-order mark before the document") << "\xef\xbb\xbf " + doc(R"("PackageName": "N")") << true << n << QVariant();
        QTest::newRow("unknown members of every kind")
            << doc(R"("PackageName": "N", "X": {"a": [1, -2.5e-3, true, false, null, "s", {}], "a": 0}, "": 1e200)") << true << n << QVariant();
        QTest::newRow("opacity -0") << doc(R"("PackageName": "N", "DockOpacity": -0)") << true << n << QVariant(qint64(0));
        QTest::newRow("opacity 2.000") << doc(R"("PackageName": "N", "DockOpacity": 2.000)") << true << n << QVariant(qint64(2));
        QTest::newRow("opacity of 19 digits") << doc(R"("PackageName": "N", "DockOpacity": -9223372036854775807)") << false << n
                                              << QVariant(-Q_INT64_C(9223372036854775807));
        QTest::newRow("opacity 1e2") << doc(R"("PackageName": "N", "DockOpacity": 1e2)") << false << n << QVariant(qint64(100));
        QTest::newRow("escaped member name") << doc("\"Pack\\u0061geName\": \"N\"") << false << n << QVariant();
        QTest::newRow("repeated member: the last counts") << doc(R"("PackageName": "a", "PackageName": "b")") << false
                                                          << QStringLiteral("b") << QVariant();
        QTest::newRow("escapes among UTF-8") << doc("\"PackageName\": \"\\n\xef\xbb\xbf\xc3\xa9\"") << false
                                             << QString::fromUtf8("\n\xef\xbb\xbf\xc3\xa9") << QVariant();
        QTest::newRow("raw control character") << doc("\"PackageName\": \"a\tb\"") << false << QStringLiteral("a\tb") << QVariant();
    }

    void quickReadingMatchesTheFullParse()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, quick);
        QFETCH(QString, name);
        QFETCH(QVariant, dockOpacity);
        QCOMPARE(readPlainPackages(json).has_value(), quick);
        auto decoded = decodePackages(json);
        const auto full = decodePackagesFromDocument(json);
        QVERIFY(decoded && full);
        QCOMPARE(decoded->size(), 1);
        QCOMPARE(decoded->first().PackageName(), name);
        QCOMPARE(decoded->first().DockOpacity.has_value(), dockOpacity.isValid());
        QCOMPARE(decoded->first().DockOpacity.value_or(-1), dockOpacity.isValid() ? dockOpacity.toLongLong() : -1);
        (*decoded)[0].id = full->first().id;
        QCOMPARE(describePackages(*decoded), describePackages(*full));
    }

    // Any answer whose body decodes completes once, on the GUI thread, whatever its status;
    // everything else never completes.
    void fetchCompletesOnlyForADecodableAnswer_data()
    {
        using R = LoopbackServer::Response;
        QTest::addColumn<R>("response");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("packages"); // -1: never completes
        QTest::newRow("200") << R{200, TwoPackages, {}, 0, false, false} << false << 2;
        QTest::newRow("404 with a repository body") << R{404, TwoPackages, {}, 0, false, false} << false << 2;
        QTest::newRow("500 with a repository body") << R{500, TwoPackages, {}, 0, false, false} << false << 2;
        QTest::newRow("body of exactly the size cap") << R{200, TwoPackages.leftJustified(LoadAppsFunc::MaxBodyBytes), {}, 0, false, false} << false << 2;
        QTest::newRow("404 page") << R{404, "Not Found\n", {}, 0, false, false} << false << -1;
        QTest::newRow("garbage") << R{200, "[{\"PackageName\": ", {}, 0, false, false} << false << -1;
        QTest::newRow("endless body") << R{200, {}, {}, 0, true, false} << false << -1;
        QTest::newRow("dropped") << R{200, {}, {}, 0, false, true} << false << -1;
        QTest::newRow("stalled past the timeout") << R{200, "[]", {}, 5000, false, false} << false << -1;
        QTest::newRow("refused") << R{} << true << -1;
    }

    void fetchCompletesOnlyForADecodableAnswer()
    {
        QFETCH(LoopbackServer::Response, response);
        QFETCH(bool, refused);
        QFETCH(int, packages);
        LoopbackServer server;
        QVERIFY(server.start());
        server.route("/Cydia.json", response);
        QString address = server.url("/Cydia.json").toString();
        if (refused) {
            QTcpServer closed;
            QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
            address = QStringLiteral("http://127.0.0.1:%1/Cydia.json").arg(closed.serverPort());
            closed.close();
        }
        Outcome outcome;
        bool finished = false;
        connect(&m_network, &QNetworkAccessManager::finished, this, [&finished] { finished = true; },
                Qt::SingleShotConnection);
        QVERIFY(fetch(address, outcome, 1500));
        QTRY_VERIFY_WITH_TIMEOUT(finished, 10000);
        if (packages >= 0)
            QTRY_COMPARE(outcome.calls, 1);
        QTest::qWait(100);
        QCOMPARE(outcome.calls, packages >= 0 ? 1 : 0);
        QVERIFY(outcome.onGuiThread);
        QCOMPARE(outcome.packages.size(), qMax(packages, 0));
    }

    void addressesThatAreNoUrlMakeNoRequest()
    {
        Outcome outcome;
        QVERIFY(!fetch(QString(), outcome));
        QVERIFY(!fetch(QStringLiteral("http://exa mple/%zz"), outcome));
        QVERIFY(!fetch(QStringLiteral("no scheme"), outcome));
    }

    void repositoryScreenKeepsItsListOnFailure()
    {
        LoopbackServer server;
        QVERIFY(server.start());
        server.route("/r.json", LoopbackServer::Response{200, TwoPackages, {}, 0, false, false});
        RepoDetailModel repo(&m_network);
        repo.setCurrentRepoUrl(server.url("/r.json").toString());
        repo.fetch();
        QTRY_COMPARE(repo.fetchesCompleted(), 1);
        QCOMPARE(repo.packageCount(), 2);
        QCOMPARE(repo.count(), 1);
        QCOMPARE(repo.data(repo.index(0), RepoDetailModel::PackageNameRole).toString(), QStringLiteral("Plain"));

        repo.setCurrentRepoUrl(server.url("/missing.json").toString());
        repo.fetch();
        QTRY_COMPARE(server.hits("/missing.json"), 1);
        QTest::qWait(100);
        QCOMPARE(repo.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRepositoryFetch)
#include "tst_repositoryfetch.moc"
