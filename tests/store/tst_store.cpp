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

namespace {

QStringList shownNames(const TesselModel &model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names.append(model.data(model.index(row), TesselModel::NameRole).toString());
    return names;
}

} // namespace

class TestStore : public QObject
{
    Q_OBJECT

private slots:
    // The compiled table keeps the shape and content of maker/catalogue.tsv through generation.
    void catalogueIsTheTableInOrder()
    {
        const QList<application> &rows = catalogue();
        QCOMPARE(rows.size(), 28);
        QStringList sections;
        for (const application &app : rows)
            sections.append(app.section);
        const QStringList expected = QStringList(6, "Emulators") + QStringList{"Jailbreaks"}
            + QStringList(2, "Entertainment") + QStringList(2, "Other") + QStringList(11, "Tweaked")
            + QStringList{"Jailbreaks"} + QStringList(2, "Games") + QStringList(3, "Other");
        QCOMPARE(sections, expected);
        QCOMPARE(rows.first().name, QStringLiteral("Retrovane"));
        QCOMPARE(rows.last().name, QStringLiteral("Launch Reels"));

        // The zero-width space survives generation, inside the compound word.
        const qsizetype zwsp = rows.at(6).description.indexOf(QChar(0x200b));
        QVERIFY2(zwsp > 0 && rows.at(6).description.at(zwsp - 1).isLetter()
                     && rows.at(6).description.at(zwsp + 1).isLetter(),
                 qPrintable(rows.at(6).description));

        for (int i = 0; i < rows.size(); ++i) {
            const application &app = rows.at(i);
            const bool shots = i == 6 || i == 8 || i == 10 || i == 22;
            QCOMPARE(app.screenshots.size(), shots ? 2 : 0);
            for (int n = 0; n < app.screenshots.size(); ++n)
                QVERIFY(app.screenshots.at(n).startsWith(QLatin1String(MakerEndpoints::MakerBase) + "/Screenshots/")
                        && app.screenshots.at(n).endsWith(QStringLiteral("Screenshot%1.png").arg(n + 1)));
        }

        // Ids: fresh and distinct, and the same on every read in this run.
        QSet<QUuid> ids;
        for (const application &app : rows)
            ids.insert(app.id);
        QCOMPARE(ids.size(), 28);
        QVERIFY(!ids.contains(QUuid()));
        QCOMPARE(&catalogue(), &rows);
        TesselModel model;
        QCOMPARE(model.data(model.index(27), TesselModel::IdRole).toString(),
                 rows.last().id.toString(QUuid::WithoutBraces));
    }

    // Every one of the eleven fields takes part in equality and hashing.
    void equalityAndHashCoverEveryField()
    {
        const application base = catalogue().at(6); // the row with every field set
        QCOMPARE(base, application(base));
        QCOMPARE(qHash(base, 7), qHash(application(base), 7));
        const QList<std::function<void(application &)>> changes = {
            [](application &a) { a.id = QUuid::createUuid(); },
            [](application &a) { a.name += u'x'; },
            [](application &a) { a.icon += u'x'; },
            [](application &a) { a.plist += u'x'; },
            [](application &a) { a.section += u'x'; },
            [](application &a) { a.banner += u'x'; },
            [](application &a) { a.twitter += u'x'; },
            [](application &a) { a.website += u'x'; },
            [](application &a) { a.description += u'x'; },
            [](application &a) { a.dev += u'x'; },
            [](application &a) { a.screenshots.swapItemsAt(0, 1); },
            [](application &a) { a.screenshots.append(QString()); },
        };
        for (qsizetype i = 0; i < changes.size(); ++i) {
            application other = base;
            changes.at(i)(other);
            QVERIFY2(!(other == base), qPrintable(QString("change %1 left the records equal").arg(i)));
            QVERIFY2(qHash(other, 7) != qHash(base, 7), qPrintable(QString("change %1 left the hash").arg(i)));
        }
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
        QTest::newRow("across a space") << QString("s r") << QStringList{"Moss Runner"};
        QTest::newRow("a section word") << QString("Tweaked") << QStringList{};
        QTest::newRow("a tagline word") << QString("loader") << QStringList{};
        QTest::newRow("leading space is kept") << QString(" Retrovane") << QStringList{};
        QTest::newRow("no name") << QString("zzq") << QStringList{};
    }

    void searchMatchesNamesLikeTheSystem()
    {
        QFETCH(QString, search);
        QFETCH(QStringList, names);
        TesselModel model;
        model.setSearchString(search);
        QCOMPARE(shownNames(model), names);
    }

    // Typing and deleting moves rows in and out one run at a time; the list always equals a fresh
    // search, and the model's change signals stay consistent for the views.
    void typingUpdatesRowsInPlace()
    {
        TesselModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QSignalSpy counts(&model, &TesselModel::countChanged);
        for (const char *search : {"r", "ra", "rad", "ra", "r", "", "e", "er", "e", "ll", "", "Tweaked", ""}) {
            model.setSearchString(search);
            TesselModel fresh;
            fresh.setSearchString(search);
            QCOMPARE(model.rows(), fresh.rows());
        }
        QCOMPARE(resets.size(), 0);
        QVERIFY(counts.size() > 0);
    }

    // Each row hands exactly the literal prefix, "&amp;" included, then its manifest address.
    void everyRowHandsItsInstallLink()
    {
        TesselModel model;
        UrlOpener opener;
        opener.setHandToDesktop(false);
        QCOMPARE(model.rowCount(), 28);
        for (int row = 0; row < 28; ++row) {
            const QString plist = catalogue().at(row).plist;
            QVERIFY(plist.startsWith(QLatin1String(MakerEndpoints::MakerBase) + "/plist/") && plist.endsWith(".plist"));
            QVERIFY2(model.install(row, &opener), qPrintable(plist));
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
        int checked = 0;
        for (int row = 0; row < model.rowCount(); ++row) {
            const application &app = catalogue().at(row);
            const QStringList addresses = QStringList{app.plist, model.data(model.index(row), TesselModel::IconUrlRole).toUrl().toString()}
                + app.screenshots;
            for (const QString &address : addresses) {
                QUrl url(address);
                url.setScheme("http");
                url.setHost("127.0.0.1");
                url.setPort(port);
                std::unique_ptr<QNetworkReply> reply(network.get(QNetworkRequest(url)));
                QTRY_VERIFY_WITH_TIMEOUT(reply->isFinished(), 10000);
                QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
                const QByteArray body = reply->readAll();
                if (address.endsWith(".png"))
                    QVERIFY2(!QImage::fromData(body).isNull(), qPrintable(address));
                else
                    QVERIFY2(body.contains("<plist"), qPrintable(address));
                ++checked;
            }
        }
        QCOMPARE(checked, 28 * 2 + 4 * 2);
    }
};

QTEST_MAIN(TestStore)
#include "tst_store.moc"
