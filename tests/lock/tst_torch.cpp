#include "diagnosticlines.h"
#include "sysfstorch.h"
#include "tempdataroot.h"
#include "testfiles.h"
#include "torchstate.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

using TestFiles::read;

// The torch through a fake LED class directory: a keyboard backlight (ignored) and a torch LED.
class TestTorch : public QObject
{
    Q_OBJECT

    TempDataRoot m_root;
    QString m_leds;
    int m_run = 0;

private slots:
    void init()
    {
        DiagnosticLines::start();
        m_leds = m_root.filePath(QStringLiteral("leds%1").arg(++m_run));
        QDir().mkpath(m_leds + "/input3::capslock");
        QDir().mkpath(m_leds + "/white:flash");
        QVERIFY(TestFiles::write(m_leds + "/input3::capslock/brightness", "0\n"));
        QVERIFY(TestFiles::write(m_leds + "/white:flash/brightness", "0\n"));
    }
    void cleanup() { DiagnosticLines::stop(); }

    void everyAssignmentAfterCreationDrivesTheLed_data()
    {
        QTest::addColumn<QByteArray>("maxBrightness");
        QTest::addColumn<QByteArray>("lit");
        QTest::newRow("its maximum") << QByteArray("255") << QByteArray("255\n");
        QTest::newRow("no usable maximum: 1") << QByteArray("0") << QByteArray("1\n");
        QTest::newRow("garbage maximum: 1") << QByteArray("bright") << QByteArray("1\n");
    }

    void everyAssignmentAfterCreationDrivesTheLed()
    {
        QFETCH(QByteArray, maxBrightness);
        QVERIFY(TestFiles::write(m_leds + "/white:flash/max_brightness", maxBrightness + "\n"));
        SysfsTorch device(m_leds);
        const QString brightness = m_leds + "/white:flash/brightness";
        TorchState torch(static_cast<TorchDevice *>(&device));
        QCOMPARE(read(brightness), QByteArray("0\n")); // creation switches nothing
        torch.setIsOn(true);
        QTEST(read(brightness), "lit");
        QVERIFY(TestFiles::write(brightness, "7\n"));
        torch.setIsOn(true); // the value it already holds: switched again
        QTEST(read(brightness), "lit");
        torch.setIsOn(false);
        QCOMPARE(read(brightness), QByteArray("0\n"));
        QCOMPARE(read(m_leds + "/input3::capslock/brightness"), QByteArray("0\n"));
        QVERIFY(DiagnosticLines::said.isEmpty());
    }

    void refusedWriteIsReportedAndTheFlagStays()
    {
        // A brightness entry that cannot be written.
        QVERIFY(TestFiles::write(m_leds + "/white:flash/max_brightness", "255\n"));
        QFile::remove(m_leds + "/white:flash/brightness");
        QDir().mkpath(m_leds + "/white:flash/brightness");
        SysfsTorch device(m_leds);
        TorchState torch(static_cast<TorchDevice *>(&device));
        torch.setIsOn(true);
        QVERIFY(torch.isOn());
        QCOMPARE(DiagnosticLines::said.size(), 1);
        QVERIFY2(DiagnosticLines::said.first().startsWith("Error: ") && DiagnosticLines::said.first().size() > 7, qPrintable(DiagnosticLines::said.first()));
    }

    void noTorchLedMeansSilentlyNothing()
    {
        QDir(m_leds + "/white:flash").removeRecursively();
        SysfsTorch device(m_leds);
        QVERIFY(!device.isAvailable());
        QSignalSpy lit(&device, &SysfsTorch::litChanged);
        TorchState torch(static_cast<TorchDevice *>(&device));
        torch.setIsOn(true);
        torch.setIsOn(false);
        QVERIFY(DiagnosticLines::said.isEmpty());
        QCOMPARE(lit.count(), 2); // the simulator's indicator still follows the requests
        QVERIFY(!SysfsTorch(m_root.filePath("no-such-dir")).isAvailable());
    }
};

QTEST_GUILESS_MAIN(TestTorch)
#include "tst_torch.moc"
