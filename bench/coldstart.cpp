// Cold start of the shell to its first drawn frame, against a minimal Qt Quick window started
// the same way in the same run. Prints the medians and their ratio (goal: at most 1.5x).
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

static double startOnce(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KESTREL_EXIT_ON_FIRST_FRAME", "1");
    if (!env.contains("QT_QPA_PLATFORM") && !env.contains("DISPLAY"))
        env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return -1;
    return double(timer.nsecsElapsed()) / 1e6;
}

static double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString bin = QCoreApplication::applicationDirPath();
    const int rounds = argc > 1 ? QString(argv[1]).toInt() : 15;
    QTemporaryDir data;
    {
        // A returning user: the shell opens on its lock screen.
        QSettings settings(QDir(data.path()).filePath("settings.ini"), QSettings::IniFormat);
        settings.setValue("Setup_Complete", true);
    }
    QList<double> shell, baseline;
    for (int i = 0; i < rounds; ++i) { // interleaved, so both see the same machine load
        baseline.append(startOnce(bin + "/bench_minimalwindow", {}));
        shell.append(startOnce(bin + "/kestrel", {"--data-dir", data.path()}));
    }
    if (shell.contains(-1) || baseline.contains(-1)) {
        QTextStream(stderr) << "a start failed\n";
        return 1;
    }
    QTextStream out(stdout);
    out << QString("cold start to first frame, median of %1 runs\n").arg(rounds);
    out << QString("  minimal Qt Quick window: %1 ms\n").arg(median(baseline), 0, 'f', 1);
    out << QString("  kestrel (lock screen):   %1 ms\n").arg(median(shell), 0, 'f', 1);
    out << QString("  ratio: %1x (goal: at most 1.5x)\n").arg(median(shell) / median(baseline), 0, 'f', 2);
    return 0;
}
