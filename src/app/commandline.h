#pragma once

#include <QString>
#include <QStringList>

// The shell's command line. Parsing never exits the process: it says what to do instead.
struct CommandLine
{
    enum class Outcome { Run, ShowHelp, ShowVersion, Error };

    Outcome outcome = Outcome::Run;
    QString message;      // help or version text, or the error for standard error
    QString dataDir;      // resolved: --data-dir or the XDG data location
    QString device = QStringLiteral("faceid");
    bool fullscreen = false;
    QString screenshot;   // empty: no screenshot

    static CommandLine parse(const QStringList &arguments);
    static QString defaultDataDir();
};
