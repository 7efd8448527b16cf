#include "commandline.h"

#include "deviceinfo.h"

#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>

QString CommandLine::defaultDataDir()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("kestrel"));
}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine result;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Kestrel, a simulated phone shell."));
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Keep all state under <dir> (default: %1).").arg(defaultDataDir()),
                                     QStringLiteral("dir"));
    const QCommandLineOption device(QStringLiteral("device"),
                                    QStringLiteral("Simulated phone: faceid (390 x 844 pt) or touchid (375 x 667 pt)."),
                                    QStringLiteral("faceid|touchid"), QStringLiteral("faceid"));
    const QCommandLineOption fullscreen(QStringLiteral("fullscreen"), QStringLiteral("Fill the whole display."));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Write a PNG of the phone once its first screen is drawn, then exit."),
                                        QStringLiteral("file"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOptions({dataDir, device, fullscreen, screenshot, help, version});

    if (!parser.parse(arguments)) {
        result.outcome = Outcome::Error;
        result.message = parser.errorText();
        return result;
    }
    if (parser.isSet(help)) {
        result.outcome = Outcome::ShowHelp;
        result.message = parser.helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.outcome = Outcome::ShowVersion;
        result.message = QStringLiteral("kestrel %1").arg(QStringLiteral(KESTREL_VERSION));
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.outcome = Outcome::Error;
        result.message = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
        return result;
    }
    result.device = parser.value(device);
    if (!DeviceInfo::profileNamed(result.device)) {
        result.outcome = Outcome::Error;
        result.message = QStringLiteral("Unknown device '%1': use faceid or touchid.").arg(result.device);
        return result;
    }
    if (parser.isSet(dataDir) && parser.value(dataDir).isEmpty()) {
        result.outcome = Outcome::Error;
        result.message = QStringLiteral("--data-dir needs a directory.");
        return result;
    }
    if (parser.isSet(screenshot) && parser.value(screenshot).isEmpty()) {
        result.outcome = Outcome::Error;
        result.message = QStringLiteral("--screenshot needs a file name.");
        return result;
    }
    result.dataDir = parser.isSet(dataDir) ? QDir(parser.value(dataDir)).absolutePath() : defaultDataDir();
    result.fullscreen = parser.isSet(fullscreen);
    result.screenshot = parser.value(screenshot);
    return result;
}
