#pragma once

// The shell's QML modules are static plugins: every program that loads its screens (the shell,
// the QML tests, the benchmarks) includes this once.
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Kestrel_AppPlugin)
Q_IMPORT_QML_PLUGIN(Kestrel_PlatformPlugin)
Q_IMPORT_QML_PLUGIN(Kestrel_UiPlugin)
Q_IMPORT_QML_PLUGIN(Kestrel_ImagesPlugin)
Q_IMPORT_QML_PLUGIN(Kestrel_LockPlugin)
Q_IMPORT_QML_PLUGIN(Kestrel_HomePlugin)
Q_IMPORT_QML_PLUGIN(Kestrel_Apps_CalculatorPlugin)
Q_IMPORT_QML_PLUGIN(Kestrel_Apps_PhonePlugin)
Q_IMPORT_QML_PLUGIN(Kestrel_Apps_SettingsPlugin)
