// The shell's own maker server: started only when nothing answers, serving the site it finds
// beside itself, and stopped with the shell.
#include "makerlauncher.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {

QUrl loopbackUrl(quint16 port) { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port)); }

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

bool answers(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(500);
}

} // namespace

class TestMakerLauncher : public QObject
{
    Q_OBJECT

private slots:
    void leavesAnAnsweringServerAlone()
    {
        QTcpServer someoneElse;
        QVERIFY(someoneElse.listen(QHostAddress::LocalHost, 0));
        MakerLauncher launcher(loopbackUrl(someoneElse.serverPort()), QStringLiteral(KESTREL_MAKER_PROGRAM));
        QSignalSpy found(&launcher, &MakerLauncher::serverFound);
        launcher.start();
        QVERIFY(found.wait(3000));
        QCOMPARE(launcher.server(), nullptr);
    }

    void startsServesAndStopsItsOwn()
    {
        const quint16 port = freePort();
        QNetworkAccessManager network;
        {
            MakerLauncher launcher(loopbackUrl(port), QStringLiteral(KESTREL_MAKER_PROGRAM));
            QSignalSpy started(&launcher, &MakerLauncher::serverStarted);
            launcher.start();
            QVERIFY(started.wait(3000));
            QTRY_VERIFY_WITH_TIMEOUT(answers(port), 5000);

            // The site copied beside the program in the build tree, found without --root.
            QNetworkReply *reply = network.get(QNetworkRequest(loopbackUrl(port).resolved(QUrl("/Cydia.json"))));
            QTRY_VERIFY_WITH_TIMEOUT(reply->isFinished(), 5000);
            QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
            delete reply;
            QVERIFY(launcher.server()->state() == QProcess::Running);
        }
        QVERIFY2(!answers(port), "the server outlived the shell that started it");
    }
};

QTEST_GUILESS_MAIN(TestMakerLauncher)
#include "tst_makerlauncher.moc"
