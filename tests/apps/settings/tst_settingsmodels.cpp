#include "apicall.h"
#include "appcontext.h"
#include "generalmodel.h"
#include "loopbackserver.h"
#include "resetmodel.h"
#include "softwareupdatemodel.h"
#include "tempdataroot.h"
#include "updatedecoder.h"

#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QTimer>
#include <QtTest>

using Response = LoopbackServer::Response;
Q_DECLARE_METATYPE(LoopbackServer::Response)

static Response answer(int status, const QByteArray &body)
{
    Response response;
    response.status = status;
    response.body = body;
    return response;
}

class TestSettingsModels : public QObject
{
    Q_OBJECT

private slots:
    void decodingIsAllOrNothing_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QStringList>("versions"); // empty with `decodes` false: nothing delivered
        QTest::addColumn<bool>("decodes");
        QTest::newRow("empty array") << QByteArray("[]") << QStringList{} << true;
        QTest::newRow("two in order") << QByteArray(R"([{"version":"1.1","log":"a"},{"version":"1.0","log":"b"}])")
                                      << QStringList{"1.1", "1.0"} << true;
        QTest::newRow("extra members") << QByteArray(R"([{"id":"7","version":"2","log":"x","size":3}])")
                                       << QStringList{"2"} << true;
        QTest::newRow("missing log") << QByteArray(R"([{"version":"1.0","log":"a"},{"version":"1.1"}])") << QStringList{} << false;
        QTest::newRow("number version") << QByteArray(R"([{"version":1.0,"log":"a"}])") << QStringList{} << false;
        QTest::newRow("not an object") << QByteArray(R"(["1.0"])") << QStringList{} << false;
        QTest::newRow("object, not array") << QByteArray(R"({"version":"1.0","log":"a"})") << QStringList{} << false;
        QTest::newRow("empty body") << QByteArray() << QStringList{} << false;
        QTest::newRow("cut short") << QByteArray(R"([{"version":"1.0","log":)") << QStringList{} << false;
    }

    void decodingIsAllOrNothing()
    {
        QFETCH(QByteArray, body);
        QFETCH(QStringList, versions);
        QFETCH(bool, decodes);
        const std::optional<Updates> updates = UpdateDecoder::decode(body);
        QCOMPARE(updates.has_value(), decodes);
        if (!updates)
            return;
        QStringList got;
        for (const Update &update : *updates) {
            got.append(update.version);
            QVERIFY2(!update.id.isNull(), "every entry gets an id");
        }
        QCOMPARE(got, versions);
        const QString dump = UpdateDecoder::dump(*updates);
        QVERIFY2(!dump.contains('\n'), "the debug dump is one line");
    }

    void idsAreFreshEvenWhenTheDocumentHasOne()
    {
        const QByteArray body = R"([{"id":"a1a1a1a1-0000-0000-0000-000000000000","version":"1","log":"x\ny"},{"version":"1","log":"x"}])";
        const Updates first = *UpdateDecoder::decode(body);
        const Updates second = *UpdateDecoder::decode(body);
        QVERIFY(first[0].id != first[1].id);
        QVERIFY(first[0].id != second[0].id);
        QVERIFY(!first[0].id.toString().contains("a1a1a1a1"));
        QVERIFY2(!UpdateDecoder::dump(first).contains('\n'), "a log with a line break still dumps on one line");
    }

    // One fetch against the loopback server: what reaches the completion, on which thread, how often.
    void fetchDeliversOnceOnTheGuiThreadOrNotAtAll_data()
    {
        QTest::addColumn<Response>("response");
        QTest::addColumn<int>("deliveries");
        QTest::addColumn<int>("entries");
        const QByteArray valid = R"([{"version":"1.0","log":"first"},{"version":"1.1","log":"next"}])";
        QTest::newRow("valid") << answer(200, valid) << 1 << 2;
        QTest::newRow("server error with a valid body") << answer(500, valid) << 1 << 2;
        QTest::newRow("empty array") << answer(200, "[]") << 1 << 0;
        QTest::newRow("undecodable") << answer(200, "<html>") << 0 << 0;
        QTest::newRow("dropped connection") << Response{200, {}, {}, 0, false, true} << 0 << 0;
        QTest::newRow("endless body") << Response{200, {}, {}, 0, true, false} << 0 << 0;
    }

    void fetchDeliversOnceOnTheGuiThreadOrNotAtAll()
    {
        QFETCH(Response, response);
        QFETCH(int, deliveries);
        QFETCH(int, entries);
        LoopbackServer server;
        QVERIFY(server.start());
        server.route("/Kestrelapp/KestrelUpdate.json", response);
        QNetworkAccessManager network;
        QObject receiver;
        int calls = 0;
        Updates received;
        apiCall::getUpdates(&network, server.url("/Kestrelapp/KestrelUpdate.json").toString(), &receiver,
                            [&](const Updates &updates) {
            ++calls;
            received = updates;
            QCOMPARE(QThread::currentThread(), qApp->thread());
        });
        // At least one request (the network layer resends once on a connection closed unanswered).
        QTRY_VERIFY_WITH_TIMEOUT(server.hits("/Kestrelapp/KestrelUpdate.json") >= 1, 10000);
        if (deliveries)
            QTRY_COMPARE_WITH_TIMEOUT(calls, deliveries, 10000);
        QThreadPool::globalInstance()->waitForDone();
        QTest::qWait(50);
        QCOMPARE(calls, deliveries);
        QCOMPARE(received.size(), entries);
    }

    void noRequestOrNoAnswerDeliversNothing()
    {
        QNetworkAccessManager network;
        QObject receiver;
        int calls = 0;
        const auto count = [&](const Updates &) { ++calls; };
        apiCall::getUpdates(&network, "not a url", &receiver, count);
        apiCall::getUpdates(&network, "http://", &receiver, count);
        // A server that is gone: its port no longer answers.
        QString dead;
        {
            LoopbackServer server;
            QVERIFY(server.start());
            dead = server.url("/Kestrelapp/KestrelUpdate.json").toString();
        }
        apiCall::getUpdates(&network, dead, &receiver, count);
        QTest::qWait(500);
        QThreadPool::globalInstance()->waitForDone();
        QTest::qWait(50);
        QCOMPARE(calls, 0);
    }

    // The General page asks each time it is shown and takes every answer; an answer for a page
    // already left is dropped.
    void answersForALeftPageChangeNothing()
    {
        TempDataRoot root;
        root.context();
        LoopbackServer server;
        QVERIFY(server.start());
        Response slow = answer(200, R"([{"version":"9","log":"late"}])");
        slow.delayMs = 200;
        server.route("/u.json", slow);

        GeneralModel general;
        general.setUpdateAddress(server.url("/u.json").toString());
        QSignalSpy arrived(&general, &GeneralModel::updatesChanged);
        general.checkForUpdates();
        general.checkForUpdates();
        QTRY_COMPARE_WITH_TIMEOUT(arrived.count(), 2, 10000);
        QCOMPARE(general.updates().size(), 1);

        QNetworkAccessManager network;
        auto page = std::make_unique<QObject>();
        int calls = 0;
        apiCall::getUpdates(&network, server.url("/u.json").toString(), page.get(), [&](const Updates &) { ++calls; });
        QTRY_COMPARE_WITH_TIMEOUT(server.hits("/u.json"), 3, 10000);
        page.reset(); // the user went back before the answer
        QTest::qWait(400);
        QThreadPool::globalInstance()->waitForDone();
        QTest::qWait(50);
        QCOMPARE(calls, 0);
    }

    void blocksCompareVersionsAsPlainText_data()
    {
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QStringList>("versions");
        QTest::addColumn<QVariantList>("upToDate");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("equal") << "1.0" << QStringList{"1.0"} << QVariantList{true} << QStringList{"iOS 11.0"};
        QTest::newRow("older is offered") << "1.1" << QStringList{"1.0"} << QVariantList{false} << QStringList{"iOS 11.0"};
        QTest::newRow("two in order") << "1.0" << QStringList{"1.1", "1.0"} << QVariantList{false, true}
                                      << QStringList{"iOS 11.1", "iOS 11.0"};
        QTest::newRow("not numeric") << "1.0" << QStringList{"1.00"} << QVariantList{false} << QStringList{"iOS 11.00"};
        QTest::newRow("no version") << "" << QStringList{"1.0"} << QVariantList{false} << QStringList{"iOS 11.0"};
    }

    void blocksCompareVersionsAsPlainText()
    {
        QFETCH(QString, installed);
        QFETCH(QStringList, versions);
        QFETCH(QVariantList, upToDate);
        QFETCH(QStringList, titles);
        const QString before = QCoreApplication::applicationVersion();
        QCoreApplication::setApplicationVersion(installed);
        SoftwareUpdateModel model;
        QCoreApplication::setApplicationVersion(before);
        QCOMPARE(model.installedVersion(), installed.isEmpty() ? QStringLiteral("Error") : installed);

        QVariantList updates;
        for (const QString &version : versions)
            updates.append(QVariantMap{{"version", version}, {"log", "notes"}});
        model.setUpdates(updates);
        QVariantList gotUpToDate;
        QStringList gotTitles;
        for (const QVariant &block : model.blocks()) {
            gotUpToDate.append(block.toMap().value("upToDate"));
            gotTitles.append(block.toMap().value("title").toString());
        }
        QCOMPARE(gotUpToDate, upToDate);
        QCOMPARE(gotTitles, titles);
    }

    void resetWritesOnlyTheHomeWallpaperName()
    {
        TempDataRoot root;
        SettingsStore *settings = root.context()->settings();
        settings->setValue("Homescreen_Wallpaper", "Mars");
        settings->setValue("Lockscreen_Wallpaper", "Earth");
        settings->setValue("Homescreen_Wallpaper_Custom", true);

        ResetModel reset;
        for (const char *action : {"", "unknown"})
            reset.trigger(action);
        QVERIFY(!reset.resetHomeScreenLayout());
        reset.trigger("confirmResetHomeScreen");
        QVERIFY(reset.resetHomeScreenLayout());
        reset.cancel();
        QVERIFY(!reset.resetHomeScreenLayout());
        QCOMPARE(settings->value("Homescreen_Wallpaper", "").toString(), QStringLiteral("Mars"));

        reset.trigger("confirmResetHomeScreen");
        reset.resetHomeScreen();
        QVERIFY(!reset.resetHomeScreenLayout());
        QCOMPARE(settings->value("Homescreen_Wallpaper", "").toString(), QStringLiteral("Wallpaper"));
        QCOMPARE(settings->value("Lockscreen_Wallpaper", "").toString(), QStringLiteral("Earth"));
        QCOMPARE(settings->value("Homescreen_Wallpaper_Custom", false).toBool(), true);
    }

    // Shut Down ends the process through its event loop: main returns normally, so everything
    // owned is torn down. Run in a child, which exits 42 once exec() has returned 0.
    void shutDownEndsTheProcessInOrder()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--shut-down-child"});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 42);
    }
};

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--shut-down-child") == 0) {
        QGuiApplication app(argc, argv);
        QTimer::singleShot(0, [] { GeneralModel::shutDown(); });
        // Never reached when Shut Down works: the test then sees 1 after its time-out.
        QTimer::singleShot(20000, [] { QCoreApplication::exit(1); });
        return app.exec() == 0 ? 42 : 1;
    }
    QGuiApplication app(argc, argv);
    TestSettingsModels test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsmodels.moc"
