#pragma once

#include "diagnostics.h"

#include <QStringList>

// The shell's diagnostic lines, collected from start() (a test's init()) until stop() (its cleanup()).
namespace DiagnosticLines {

inline QStringList said;

inline void start()
{
    said.clear();
    kestrel::setDiagnosticSink([](const QString &line) { said.append(line); });
}

inline void stop() { kestrel::setDiagnosticSink(nullptr); }

} // namespace DiagnosticLines
