#include "appcontext.h"
#include "imagecache.h"
#include "makerendpoints.h"
#include "memorycache.h"
#include "simulator.h"
#include "tempdataroot.h"
#include "urlopener.h"

#include <QSignalSpy>
#include <QtTest>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void handOffsAreRecordedAndAnnounced_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("handed");
        QTest::newRow("phone number") << "tel:0123456789" << true;
        // The escaped ampersand is part of the link as the shell builds it.
        QTest::newRow("install link") << "itms-services://?action=download-manifest&amp;url=https://x/y.plist" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("no scheme") << "0123 456" << false;
        QTest::newRow("space in a tel link") << "tel:0123 456" << false;
        QTest::newRow("garbage") << "::%%" << false;
    }

    void handOffsAreRecordedAndAnnounced()
    {
        QFETCH(QString, text);
        QFETCH(bool, handed);
        UrlOpener opener;
        opener.setHandToDesktop(false);
        QSignalSpy spy(&opener, &UrlOpener::handedOff);
        QCOMPARE(opener.open(text), handed);
        QCOMPARE(spy.count(), handed ? 1 : 0);
        QCOMPARE(opener.handOffs(), handed ? QStringList{text} : QStringList{});
        if (text.startsWith(u"itms"))
            QCOMPARE(MakerEndpoints::installLink("https://x/y.plist"), text);
    }

    // The hardware menu's memory warning empties the pictures held in memory and says so.
    void memoryWarningEmptiesTheImageMemoryCache()
    {
        TempDataRoot root;
        MemoryCache &memory = root.context()->imageCache()->memoryCache();
        memory.insert("picture", QImage(4, 4, QImage::Format_ARGB32));
        QSignalSpy notices(root.context()->simulator(), &Simulator::notice);
        root.context()->simulator()->simulateMemoryWarning();
        QCOMPARE(memory.count(), quint64(0));
        QCOMPARE(notices.value(0).value(0).toString(), QStringLiteral("Simulate Memory Warning"));
    }

    // A desktop without a handler still records the hand-off, and the banner says so.
    void refusedHandOffsAreRecordedAndSaySo()
    {
        UrlOpener opener;
        opener.setHandToDesktop(false);
        opener.setDesktopAccepts(false);
        QSignalSpy spy(&opener, &UrlOpener::handedOff);
        QVERIFY(opener.open("tel:0123"));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(1).toBool(), false);
        QCOMPARE(opener.handOffs(), QStringList{"tel:0123"});
        QCOMPARE(UrlOpener::announcement("tel:0123", false), QStringLiteral("No app to open tel:0123"));
        QCOMPARE(UrlOpener::announcement("tel:0123", true), QStringLiteral("Opened tel:0123"));
    }

};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
