#include "makerserver.h"
#include "shutdownsignals.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QTextStream>

#include <csignal>
#include <cstdio>

namespace {

constexpr int ExitBadOption = 2;

int badOption(const QString &message)
{
    QTextStream(stderr) << "kestrel-maker: " << message << "\nTry 'kestrel-maker --help'.\n";
    return ExitBadOption;
}

// The site beside the program: share/kestrel/site under the install prefix, or the build
// tree's copy, both at the same place relative to bin/. The source tree's site is the last resort.
QString defaultSiteRoot()
{
    const QString besideProgram =
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral(KESTREL_MAKER_SITE_FROM_BIN));
    return QFileInfo(besideProgram).isDir() ? QDir::cleanPath(besideProgram) : QStringLiteral(KESTREL_MAKER_SITE);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kestrel-maker"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KESTREL_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Serves the maker's site: update document, install manifests, package source and icons."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("TCP port, 0 picks a free one (default 8417)."),
                                        QStringLiteral("port"), QStringLiteral("8417"));
    const QCommandLineOption rootOption(QStringLiteral("root"), QStringLiteral("Directory whose files are served (default: the installed site)."),
                                        QStringLiteral("dir"), defaultSiteRoot());
    const QCommandLineOption bindOption(QStringLiteral("bind"), QStringLiteral("Address to listen on (default 127.0.0.1)."),
                                        QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption faultsOption(
        QStringLiteral("faults"),
        QStringLiteral("Answer chosen paths with a fault: path=fault,... (faults: %1).").arg(Faults::names().join(u", ")),
        QStringLiteral("list"));
    parser.addOptions({portOption, rootOption, bindOption, faultsOption});

    if (!parser.parse(QCoreApplication::arguments()))
        return badOption(parser.errorText());
    if (parser.isSet(helpOption))
        parser.showHelp(0);
    if (parser.isSet(versionOption))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty())
        return badOption(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst()));

    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    if (!portOk || port > 65535)
        return badOption(QStringLiteral("--port wants a number from 0 to 65535, not '%1'").arg(parser.value(portOption)));
    const QHostAddress address(parser.value(bindOption));
    if (address.isNull())
        return badOption(QStringLiteral("--bind wants an IP address, not '%1'").arg(parser.value(bindOption)));
    const QString root = parser.value(rootOption);
    if (!QFileInfo(root).isDir())
        return badOption(QStringLiteral("--root '%1' is not a directory").arg(root));

    const std::optional<QHash<QString, Fault>> faults = Faults::parse(parser.value(faultsOption));
    if (!faults)
        return badOption(QStringLiteral("--faults wants path=fault,... with a known fault, not '%1'").arg(parser.value(faultsOption)));

    // A log reader that goes away must not take the server with it.
    ::signal(SIGPIPE, SIG_IGN);

    QTextStream out(stdout);
    MakerServer server(root, &out);
    server.setFaults(*faults);
    const quint16 listening = server.listen(address, quint16(port));
    if (listening == 0) {
        QTextStream(stderr) << "kestrel-maker: cannot listen on " << address.toString() << " port " << port << '\n';
        return 1;
    }

    ShutdownSignals stopSignals;
    QObject::connect(&stopSignals, &ShutdownSignals::shutdownRequested, &app, &QCoreApplication::quit);

    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol ? '[' + address.toString() + ']'
                                                                              : address.toString();
    out << "kestrel-maker serving " << server.root() << " at http://" << host << ':' << listening << Qt::endl;
    return app.exec();
}
