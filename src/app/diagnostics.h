#pragma once

#include <QString>

namespace kestrel {

// The few plain diagnostic lines the shell writes ("Removed old image", "Failed ...") all go
// through here, so they reach standard output unchanged and in order, and tests can capture them.
void diagnostic(const QString &line);

// Test-only: collect diagnostic lines instead of (in addition to) printing them.
void setDiagnosticSink(void (*sink)(const QString &line));

} // namespace kestrel
