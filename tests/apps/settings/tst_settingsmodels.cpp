#include "apicall.h"
#include "generalmodel.h"
#include "loopbackserver.h"
#include "softwareupdatemodel.h"
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
        QTest::newRow("extra members, own id") << QByteArray(R"([{"id":"a1a1a1a1-0000-0000-0000-000000000000","version":"2","log":"x\ny"}])")
                                              << QStringList{"2"} << true;
        QTest::newRow("missing log") << QByteArray(R"([{"version":"1.0","log":"a"},{"version":"1.1"}])") << QStringList{} << false;
        QTest::newRow("not an object") << QByteArray(R"(["1.0"])") << QStringList{} << false;
        QTest::newRow("object, not array") << QByteArray(R"({"version":"1.0","log":"a"})") << QStringList{} << false;
        QTest::newRow("cut short") << QByteArray(R"([{"version":"1.0","log":)") << QStringList{} << false;
    }

    void decodingIsAllOrNothing()
    {
        QFETCH(QByteArray, body);
        const std::optional<Updates> updates = UpdateDecoder::decode(body);
        QTEST(updates.has_value(), "decodes");
        if (!updates)
            return;
        QStringList got;
        for (const Update &update : *updates) {
            got.append(update.version);
            QVERIFY2(!update.id.isNull() && !update.id.toString().contains("a1a1a1a1"), "every entry gets a fresh id");
        }
        QTEST(got, "versions");
        const QString dump = UpdateDecoder::dump(*updates);
        QVERIFY2(!dump.contains('\n'), "the debug dump is one line");
    }

    // One fetch against the loopback server: what reaches the completion, on which thread, how
    // often; an answer for a page the user has already left is dropped.
    void fetchDeliversOnceOnTheGuiThreadOrNotAtAll_data()
    {
        QTest::addColumn<Response>("response");
        QTest::addColumn<bool>("left");
        QTest::addColumn<int>("deliveries");
        QTest::addColumn<int>("entries");
        const QByteArray valid = R"([{"version":"1.0","log":"first"},{"version":"1.1","log":"next"}])";
        QTest::newRow("valid") << answer(200, valid) << false << 1 << 2;
        QTest::newRow("server error with a valid body") << answer(500, valid) << false << 1 << 2;
        QTest::newRow("empty array") << answer(200, "[]") << false << 1 << 0;
        QTest::newRow("undecodable") << answer(200, "<html>") << false << 0 << 0;
        QTest::newRow("dropped connection") << Response{200, {}, {}, 0, false, true} << false << 0 << 0;
        QTest::newRow("endless body") << Response{200, {}, {}, 0, true, false} << false << 0 << 0;
        QTest::newRow("page left before the answer") << Response{200, valid, {}, 200, false, false} << true << 0 << 0;
    }

    void fetchDeliversOnceOnTheGuiThreadOrNotAtAll()
    {
        QFETCH(Response, response);
        QFETCH(bool, left);
        QFETCH(int, deliveries);
        LoopbackServer server;
        QVERIFY(server.start());
        server.route("/Kestrelapp/KestrelUpdate.json", response);
        QNetworkAccessManager network;
        auto page = std::make_unique<QObject>();
        int calls = 0;
        Updates received;
        apiCall::getUpdates(&network, "http://", page.get(), [&](const Updates &) { ++calls; }); // no URL, no request
        apiCall::getUpdates(&network, server.url("/Kestrelapp/KestrelUpdate.json").toString(), page.get(),
                            [&](const Updates &updates) {
            ++calls;
            received = updates;
            QCOMPARE(QThread::currentThread(), qApp->thread());
        });
        // At least one request (the network layer resends once on a connection closed unanswered).
        QTRY_VERIFY_WITH_TIMEOUT(server.hits("/Kestrelapp/KestrelUpdate.json") >= 1, 10000);
        if (left)
            page.reset();
        if (deliveries)
            QTRY_COMPARE_WITH_TIMEOUT(calls, deliveries, 10000);
        QTest::qWait(response.delayMs * 2);
        QThreadPool::globalInstance()->waitForDone();
        QTest::qWait(50);
        QCOMPARE(calls, deliveries);
        QTEST(int(received.size()), "entries");
    }

    // Plain string equality with the installed version ("Error" when there is none): an older
    // entry is offered too.
    void blocksCompareVersionsAsPlainText_data()
    {
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("upToDate");
        QTest::newRow("equal") << "1.0" << "1.0" << true;
        QTest::newRow("older") << "1.1" << "1.0" << false;
        QTest::newRow("not numeric") << "1.0" << "1.00" << false;
        QTest::newRow("no version") << "" << "1.0" << false;
    }

    void blocksCompareVersionsAsPlainText()
    {
        QFETCH(QString, installed);
        QFETCH(QString, version);
        QFETCH(bool, upToDate);
        const QString before = QCoreApplication::applicationVersion();
        QCoreApplication::setApplicationVersion(installed);
        SoftwareUpdateModel model;
        QCoreApplication::setApplicationVersion(before);
        QCOMPARE(model.installedVersion(), installed.isEmpty() ? QStringLiteral("Error") : installed);
        model.setUpdates({QVariantMap{{"version", version}, {"log", "notes"}}});
        const QVariantMap block = model.blocks().value(0).toMap();
        QCOMPARE(block.value("upToDate").toBool(), upToDate);
        QCOMPARE(block.value("title").toString(), "iOS 1" + version);
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
