#pragma once

#include <QString>

// The shell's own short version string, as the update page compares it; "Error" when the
// application has none.
QString installedVersion();
