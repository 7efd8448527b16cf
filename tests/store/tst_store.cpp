#include "catalogue.h"
#include "makerendpoints.h"
#include "makerserver.h"
#include "tesselmodel.h"
#include "urlopener.h"

#include <QAbstractItemModelTester>
#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QtTest>

class TestStore : public QObject
{
    Q_OBJECT

private slots:
    // The compiled table's ids are distinct; the tagline's zero-width space survives generation
    // between two letters.
    void catalogueIdsAndText()
    {
        const QList<application> &rows = catalogue();
        QSet<QUuid> ids;
        for (const application &app : rows)
            ids.insert(app.id);
        QCOMPARE(ids.size(), 28);
        const QString tagline = rows.at(6).description;
        const qsizetype zwsp = tagline.indexOf(QChar(0x200b));
        QVERIFY2(zwsp > 0 && tagline.at(zwsp - 1).isLetter() && tagline.at(zwsp + 1).isLetter(), qPrintable(tagline));
    }

    void searchMatchesNamesLikeTheSystem_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("lower case") << QString("retrovane") << QStringList{"Retrovane"};
        QTest::newRow("upper case") << QString("RETROVANE") << QStringList{"Retrovane"};
        QTest::newRow("diacritics") << QStringLiteral("Rétrováne") << QStringList{"Retrovane"};
        QTest::newRow("full-width letters") << QStringLiteral("ＬＯＯＰ") << QStringList{"Looploft"};
        QTest::newRow("fragment of several, in table order")
            << QString("ra") << QStringList{"Bitcradle", "Frameway 2", "Murmurgram", "Wavelet Radio", "Brambleclash", "Gradient Jar"};
        QTest::newRow("a section word") << QString("Tweaked") << QStringList{};
        QTest::newRow("leading space is kept") << QString(" Retrovane") << QStringList{};
    }

    void searchMatchesNamesLikeTheSystem()
    {
        QFETCH(QString, search);
        TesselModel model;
        model.setSearchString(search);
        QStringList shown;
        for (int row = 0; row < model.rowCount(); ++row)
            shown.append(model.data(model.index(row), TesselModel::NameRole).toString());
        QTEST(shown, "names");
    }

    // Typing and deleting moves rows in and out one run at a time; the list always equals a fresh
    // search, and the model's change signals stay consistent for the views.
    void typingUpdatesRowsInPlace()
    {
        TesselModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        for (const char *search : {"r", "ra", "rad", "ra", "r", "", "e", "er", "e", "ll", "", "Tweaked", ""}) {
            model.setSearchString(search);
            TesselModel fresh;
            fresh.setSearchString(search);
            QCOMPARE(model.rows(), fresh.rows());
        }
        QCOMPARE(resets.size(), 0);
    }

    // Each row hands exactly the literal prefix, "&amp;" included, then its manifest address.
    void everyRowHandsItsInstallLink()
    {
        TesselModel model;
        UrlOpener opener;
        opener.setHandToDesktop(false);
        for (int row = 0; row < 28; ++row) {
            const QString plist = catalogue().at(row).plist;
            QVERIFY2(model.install(row, &opener) && plist.endsWith(".plist"), qPrintable(plist));
            QCOMPARE(opener.handOffs().last(), "itms-services://?action=download-manifest&amp;url=" + plist);
        }
        QVERIFY(!model.install(28, &opener));
        QCOMPARE(opener.handOffs().size(), 28);
    }

    // The bundled maker site answers every address a row holds: manifest, icon and screenshots.
    void makerSiteServesEveryAddressOfEveryRow()
    {
        MakerServer server(QStringLiteral(KESTREL_MAKER_SITE_DIR));
        const quint16 port = server.listen(QHostAddress::LocalHost, 0);
        QVERIFY(port != 0);
        QNetworkAccessManager network;
        TesselModel model;
        for (int row = 0; row < model.rowCount(); ++row) {
            const application &app = catalogue().at(row);
            const QStringList addresses = QStringList{app.plist, model.data(model.index(row), TesselModel::IconUrlRole).toUrl().toString()}
                + app.screenshots;
            for (const QString &address : addresses) {
                const QUrl url(QStringLiteral("http://127.0.0.1:%1").arg(port) + QUrl(address).path());
                std::unique_ptr<QNetworkReply> reply(network.get(QNetworkRequest(url)));
                QTRY_VERIFY_WITH_TIMEOUT(reply->isFinished(), 10000);
                QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
                const QByteArray body = reply->readAll();
                if (address.endsWith(".png"))
                    QVERIFY2(!QImage::fromData(body).isNull(), qPrintable(address));
                else
                    QVERIFY2(body.contains("<plist"), qPrintable(address));
            }
        }
    }
};

QTEST_MAIN(TestStore)
#include "tst_store.moc"
