#include "makerlauncher.h"
#include "tempdataroot.h"
#include "testfiles.h"

#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QtTest>

// Runs the real shell binary with its command-line options.
class TestCommandLine : public QObject
{
    Q_OBJECT

    struct Run {
        int exitCode = -1;
        QString out;
        QString err;
    };

    static Run run(const QStringList &arguments, int timeoutMs = 60000)
    {
        QProcess shell;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        shell.setProcessEnvironment(env);
        shell.start(KESTREL_BINARY, arguments);
        Run result;
        if (!shell.waitForFinished(timeoutMs)) {
            shell.kill();
            shell.waitForFinished();
            return result;
        }
        result.exitCode = shell.exitStatus() == QProcess::NormalExit ? shell.exitCode() : -2;
        result.out = QString::fromUtf8(shell.readAllStandardOutput());
        result.err = QString::fromUtf8(shell.readAllStandardError());
        return result;
    }

private slots:
    void helpAndVersion()
    {
        const Run help = run({"--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.out.contains("--device"), qPrintable(help.out));
        const Run version = run({"--version"});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out.trimmed(), QStringLiteral("kestrel 1.0"));
    }

    void badOptionsExitWithTwo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown option") << QStringList{"--bogus"} << "bogus";
        QTest::newRow("unknown device") << QStringList{"--device", "tablet"} << "tablet";
        QTest::newRow("device without value") << QStringList{"--device"} << "device";
        QTest::newRow("empty data dir") << QStringList{"--data-dir="} << "data-dir";
        QTest::newRow("stray argument") << QStringList{"extra"} << "extra";
    }

    void badOptionsExitWithTwo()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QVERIFY(result.out.isEmpty());
    }

    // A maker address elsewhere is not ours to serve: nothing is started, and nothing is
    // stopped as the shell goes.
    void makerLauncherLeavesOtherAddressesAlone()
    {
        MakerLauncher launcher(QUrl("http://192.0.2.1:8417"), KESTREL_BINARY);
        launcher.start();
        QVERIFY(!launcher.server());
    }

    void unwritableDataRootExitsWithOne()
    {
        TempDataRoot root;
        QVERIFY(TestFiles::write(root.filePath("file"), {}));
        const Run result = run({"--data-dir", root.filePath("file/kestrel")});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(root.filePath("file/kestrel")), qPrintable(result.err));
    }

    // A first launch shows the setup screen on its white background; a later one the lock screen.
    void screenshotOfEachDevice_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("setupComplete");
        QTest::addColumn<QSize>("size");
        QTest::newRow("Face ID phone, first launch") << "faceid" << false << QSize(390, 844);
        QTest::newRow("Touch ID phone, first launch") << "touchid" << false << QSize(375, 667);
        QTest::newRow("Face ID phone, later launch") << "faceid" << true << QSize(390, 844);
    }

    void screenshotOfEachDevice()
    {
        QFETCH(QString, device);
        QFETCH(bool, setupComplete);
        QFETCH(QSize, size);
        TempDataRoot root;
        QSettings(root.filePath("data/settings.ini"), QSettings::IniFormat).setValue("Setup_Complete", setupComplete);
        const QString png = root.filePath("shot.png");
        const Run result = run({"--data-dir", root.filePath("data"), "--device", device, "--screenshot", png});
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.isEmpty(), qPrintable("a normal run printed: " + result.out));
        const QImage shot(png);
        QCOMPARE(shot.size(), size);
        QCOMPARE(shot.pixelColor(5, size.height() / 4) == QColor(Qt::white), !setupComplete);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
