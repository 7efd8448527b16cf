#include "makerlauncher.h"
#include "tempdataroot.h"
#include "testfiles.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
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
    // Help and version exit with 0, bad options with 2 and a data root that cannot be made with 1,
    // each naming what it refused. Outputs are patterns; "FILE" stands for a plain file.
    void runsThatEndAtOnce_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--device" << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "^kestrel 1\\.0\\s*$" << "";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << "^$" << "bogus";
        QTest::newRow("unknown device") << QStringList{"--device", "tablet"} << 2 << "^$" << "tablet";
        QTest::newRow("device without value") << QStringList{"--device"} << 2 << "^$" << "device";
        QTest::newRow("empty data dir") << QStringList{"--data-dir="} << 2 << "^$" << "data-dir";
        QTest::newRow("stray argument") << QStringList{"extra"} << 2 << "^$" << "extra";
        QTest::newRow("data root not writable") << QStringList{"--data-dir", "FILE/kestrel"} << 1 << "" << "FILE/kestrel";
    }

    void runsThatEndAtOnce()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        QFETCH(QString, err);
        TempDataRoot root;
        QVERIFY(TestFiles::write(root.filePath("file"), {}));
        const Run result = run(arguments.replaceInStrings("FILE", root.filePath("file")));
        QTEST(result.exitCode, "exitCode");
        QVERIFY2(result.out.contains(QRegularExpression(out)), qPrintable(result.out));
        QVERIFY2(result.err.contains(err.replace("FILE", root.filePath("file"))), qPrintable(result.err));
    }

    // A maker address elsewhere is not ours to serve: nothing is started, and nothing is
    // stopped as the shell goes.
    void makerLauncherLeavesOtherAddressesAlone()
    {
        MakerLauncher launcher(QUrl("http://192.0.2.1:8417"), KESTREL_BINARY);
        launcher.start();
        QVERIFY(!launcher.server());
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
