// Cold start of the shell to its first drawn frame, against a minimal Qt Quick window started
// the same way in the same run. Prints the medians and their ratio (goal: at most 1.2x).
// Both print the time of their marks (first frame included) under KESTREL_STARTUP_TIMELINE,
// counted from the moment the process was started; with --timeline the shell's marks are listed.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QMap>
#include <algorithm>
#include <ctime>

static qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Marks of the start, in the order the shell printed them, with every run's time of each.
struct Timeline {
    QStringList order;
    QMap<QString, QList<double>> times;
};

static double startOnce(const QString &program, const QStringList &arguments, Timeline *timeline = nullptr)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KESTREL_EXIT_ON_FIRST_FRAME", "1");
    if (!env.contains("QT_QPA_PLATFORM") && !env.contains("DISPLAY"))
        env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("KESTREL_STARTUP_TIMELINE", QString::number(monotonicNs()));
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return -1;
    const double total = double(timer.nsecsElapsed()) / 1e6;
    if (timeline) {
        // "startup <ms> ms (+<ms>)  <what>"
        for (const QString &line : QString::fromLocal8Bit(process.readAllStandardError()).split('\n')) {
            if (!line.startsWith("startup "))
                continue;
            const QString what = line.section("  ", -1).trimmed();
            const double at = line.section(' ', 1, 1, QString::SectionSkipEmpty).toDouble();
            if (!timeline->order.contains(what))
                timeline->order.append(what);
            timeline->times[what].append(at);
        }
        timeline->times["process exited"].append(total);
    }
    return total;
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
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool withTimeline = args.removeAll("--timeline") > 0;
    // --shell PATH: time another build of the shell (an older one, to compare in one run).
    QString shellProgram = bin + "/kestrel";
    if (const qsizetype at = args.indexOf("--shell"); at >= 0 && at + 1 < args.size()) {
        shellProgram = args.at(at + 1);
        args.remove(at, 2);
    }
    const int rounds = args.isEmpty() ? 15 : args.first().toInt();
    Timeline shellTimeline, baselineTimeline;
    QTemporaryDir data;
    {
        // A returning user: the shell opens on its lock screen.
        QSettings settings(QDir(data.path()).filePath("settings.ini"), QSettings::IniFormat);
        settings.setValue("Setup_Complete", true);
    }
    QList<double> shell, baseline;
    for (int i = 0; i < rounds; ++i) { // interleaved, so both see the same machine load
        baseline.append(startOnce(bin + "/bench_minimalwindow", {}, &baselineTimeline));
        shell.append(startOnce(shellProgram, {"--data-dir", data.path()}, &shellTimeline));
    }
    if (shell.contains(-1) || baseline.contains(-1)) {
        QTextStream(stderr) << "a start failed\n";
        return 1;
    }
    // The first frame as each program saw it: what follows it (loading what the frame did not
    // need, tearing down) is not part of it.
    const double shellFrame = median(shellTimeline.times.value("first frame swapped"));
    const double baselineFrame = median(baselineTimeline.times.value("first frame swapped"));
    QTextStream out(stdout);
    out << QString("cold start, median of %1 runs: to the first frame, and to the process's exit\n").arg(rounds);
    out << QString("  minimal Qt Quick window: %1 ms, exit %2 ms\n").arg(baselineFrame, 0, 'f', 1).arg(median(baseline), 0, 'f', 1);
    out << QString("  kestrel (lock screen):   %1 ms, exit %2 ms\n").arg(shellFrame, 0, 'f', 1).arg(median(shell), 0, 'f', 1);
    out << QString("  ratio to the first frame: %1x (goal: at most 1.2x)\n").arg(shellFrame / baselineFrame, 0, 'f', 2);
    out << QString("  ratio to the exit:        %1x\n").arg(median(shell) / median(baseline), 0, 'f', 2);
    if (withTimeline) {
        shellTimeline.order.append("process exited");
        out << "where the shell's start goes (median ms since the process was started, and the step)\n";
        double previous = 0;
        for (const QString &what : std::as_const(shellTimeline.order)) {
            const double at = median(shellTimeline.times.value(what));
            out << QString("  %1  %2  %3\n").arg(at, 7, 'f', 1).arg(at - previous, 7, 'f', 1).arg(what);
            previous = at;
        }
    }
    return 0;
}
