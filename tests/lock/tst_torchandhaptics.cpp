#include "appcontext.h"
#include "diagnostics.h"
#include "hapticmanager.h"
#include "sysfstorch.h"
#include "tempdataroot.h"
#include "torchstate.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {
QStringList g_lines;
void collect(const QString &line) { g_lines.append(line); }

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
} // namespace

class TestTorchAndHaptics : public QObject
{
    Q_OBJECT

    // A fake LED class directory: a keyboard backlight (ignored) and a torch LED.
    static QString makeLeds(const TempDataRoot &root, const QByteArray &maxBrightness = "255")
    {
        const QString leds = root.filePath("leds");
        QDir().mkpath(leds + "/input3::capslock");
        QDir().mkpath(leds + "/white:flash");
        writeFile(leds + "/input3::capslock/brightness", "0\n");
        writeFile(leds + "/white:flash/brightness", "0\n");
        writeFile(leds + "/white:flash/max_brightness", maxBrightness + "\n");
        return leds;
    }

private slots:
    void init() { g_lines.clear(); kestrel::setDiagnosticSink(collect); }
    void cleanup() { kestrel::setDiagnosticSink(nullptr); }

    void everyAssignmentAfterCreationDrivesTheLed()
    {
        TempDataRoot root;
        const QString leds = makeLeds(root);
        SysfsTorch device(leds);
        QCOMPARE(device.ledPath(), leds + "/white:flash");
        const QString brightness = leds + "/white:flash/brightness";

        TorchState torch(static_cast<TorchDevice *>(&device));
        QCOMPARE(readFile(brightness), QByteArray("0\n")); // creation switches nothing
        torch.setIsOn(true);
        QCOMPARE(readFile(brightness), QByteArray("255\n"));
        writeFile(brightness, "7\n");
        torch.setIsOn(true); // the value it already holds: switched again
        QCOMPARE(readFile(brightness), QByteArray("255\n"));
        torch.setIsOn(false);
        QCOMPARE(readFile(brightness), QByteArray("0\n"));
        QCOMPARE(readFile(leds + "/input3::capslock/brightness"), QByteArray("0\n"));
        QVERIFY(g_lines.isEmpty());
    }

    void refusedWriteIsReportedAndTheFlagStays()
    {
        TempDataRoot root;
        const QString leds = makeLeds(root);
        // A brightness entry that cannot be written.
        QFile::remove(leds + "/white:flash/brightness");
        QDir().mkpath(leds + "/white:flash/brightness");
        SysfsTorch device(leds);
        TorchState torch(static_cast<TorchDevice *>(&device));
        torch.setIsOn(true);
        QVERIFY(torch.isOn());
        QCOMPARE(g_lines.size(), 1);
        QVERIFY2(g_lines.first().startsWith("Error: ") && g_lines.first().size() > 7, qPrintable(g_lines.first()));
    }

    void noTorchLedMeansSilentlyNothing()
    {
        TempDataRoot root;
        QDir().mkpath(root.filePath("leds/input3::capslock"));
        SysfsTorch device(root.filePath("leds"));
        QVERIFY(!device.isAvailable());
        QSignalSpy lit(&device, &SysfsTorch::litChanged);
        TorchState torch(static_cast<TorchDevice *>(&device));
        torch.setIsOn(true);
        torch.setIsOn(false);
        QVERIFY(g_lines.isEmpty());
        QCOMPARE(lit.count(), 2); // the simulator's indicator still follows the requests
        SysfsTorch missing(root.filePath("no-such-dir"));
        QVERIFY(!missing.isAvailable());
    }

    void sharedHapticManagerPlaysOnTheContextsDevice()
    {
        TempDataRoot root;
        AppContext *context = root.context();
        context->haptics()->setUseFeedbackd(false);
        QSignalSpy spy(context->haptics(), &DesktopHaptics::impacted);
        HapticManager::shared()->impact(HapticManager::Heavy);
        HapticManager::shared()->impact(HapticManager::Soft);
        QCOMPARE(context->haptics()->impactCount(), 2);
        QCOMPARE(spy.at(0).at(0).value<Haptics::ImpactStyle>(), Haptics::ImpactStyle::Heavy);
        QCOMPARE(spy.at(1).at(0).value<Haptics::ImpactStyle>(), Haptics::ImpactStyle::Soft);
    }
};

QTEST_GUILESS_MAIN(TestTorchAndHaptics)
#include "tst_torchandhaptics.moc"
