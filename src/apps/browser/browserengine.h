#pragma once

#include <QString>

class QObject;
class QQmlEngine;

// The web engine as the shell uses it. Nothing here links the engine: its libraries are large
// and slow to load, so they arrive with the QtWebEngine QML module when the first web view is
// made, and a shell that never shows a page never loads them.
namespace BrowserEngine {

// Call before the application object: what the engine's own initialize() does there (one
// OpenGL context shared by all windows). As root the engine's sandbox cannot start, so it is
// turned off here (announced once, when the engine first starts).
void prepareBeforeApplication();

// The profile every web view of one QML engine shares: cookies and cache kept under
// <data root>/WebEngine like a phone's browser. Made on first use (this starts the engine)
// and released with the QML engine, after its views. Null if the engine cannot be loaded.
QObject *profileFor(QQmlEngine *engine, const QString &dataRoot);

// Whether the sandbox was turned off by prepareBeforeApplication().
bool sandboxTurnedOff();

} // namespace BrowserEngine
