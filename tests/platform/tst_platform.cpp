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
        QTest::addColumn<bool>("accepted"); // by the desktop; a refused hand-off is still recorded
        QTest::newRow("phone number") << "tel:0123456789" << true << true;
        QTest::newRow("no app for it") << "tel:0123" << true << false;
        // The escaped ampersand is part of the link as the shell builds it.
        QTest::newRow("install link") << "itms-services://?action=download-manifest&amp;url=https://x/y.plist" << true << true;
        QTest::newRow("empty") << "" << false << true;
        QTest::newRow("no scheme") << "0123 456" << false << true;
        QTest::newRow("space in a tel link") << "tel:0123 456" << false << true;
        QTest::newRow("garbage") << "::%%" << false << true;
    }

    void handOffsAreRecordedAndAnnounced()
    {
        QFETCH(QString, text);
        QFETCH(bool, handed);
        QFETCH(bool, accepted);
        UrlOpener opener;
        opener.setHandToDesktop(false);
        opener.setDesktopAccepts(accepted);
        QSignalSpy spy(&opener, &UrlOpener::handedOff);
        QCOMPARE(opener.open(text), handed);
        QCOMPARE(spy.count(), handed ? 1 : 0);
        QCOMPARE(opener.handOffs(), handed ? QStringList{text} : QStringList{});
        if (handed)
            QCOMPARE(spy.at(0).at(1).toBool(), accepted);
        QCOMPARE(UrlOpener::announcement(text, accepted), (accepted ? "Opened " : "No app to open ") + text);
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

};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
