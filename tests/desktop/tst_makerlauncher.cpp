// The shell's own maker server: started when nothing answers, serving the site it finds beside
// itself, stopped with the shell; a server already answering is left alone.
#include "makerlauncher.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

class TestMakerLauncher : public QObject
{
    Q_OBJECT

private slots:
    void startsOnlyWhenNothingAnswers()
    {
        QTcpServer someone;
        QVERIFY(someone.listen(QHostAddress::LocalHost, 0));
        const QUrl url(QStringLiteral("http://127.0.0.1:%1").arg(someone.serverPort()));
        QNetworkAccessManager network;
        {
            MakerLauncher launcher(url, QStringLiteral(KESTREL_MAKER_PROGRAM));
            QSignalSpy found(&launcher, &MakerLauncher::serverFound);
            launcher.start();
            QVERIFY2(found.wait(3000) && !launcher.server(), "started a second server");
        }
        someone.close();
        {
            MakerLauncher launcher(url, QStringLiteral(KESTREL_MAKER_PROGRAM));
            QSignalSpy started(&launcher, &MakerLauncher::serverStarted);
            launcher.start();
            QVERIFY(started.wait(3000));
            // The build tree's copy of the site, found without --root.
            QTRY_VERIFY_WITH_TIMEOUT([&] {
                std::unique_ptr<QNetworkReply> reply(network.get(QNetworkRequest(url.resolved(QUrl("/Cydia.json")))));
                QSignalSpy done(reply.get(), &QNetworkReply::finished);
                return done.wait(1000) && reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200;
            }(), 5000);
        }
        QVERIFY2(someone.listen(QHostAddress::LocalHost, url.port()), "the server outlived the launcher");
    }
};

QTEST_GUILESS_MAIN(TestMakerLauncher)
#include "tst_makerlauncher.moc"
