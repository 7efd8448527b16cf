#pragma once

#include <QString>

class QObject;
class QQmlEngine;
class QQuickWebEngineProfile;

// The web engine as the shell uses it: prepared before the application object exists (cheap),
// started only when the first web view is made.
namespace BrowserEngine {

// Call before the application object. As root the engine's sandbox cannot start, so it is
// turned off here (announced once, when the engine first starts).
void prepareBeforeApplication();

// The profile every web view of one QML engine shares: cookies and cache kept under
// <data root>/WebEngine like a phone's browser, and requests for local files refused.
// Made on first use and released with the QML engine, after its views.
QQuickWebEngineProfile *profileFor(QQmlEngine *engine, const QString &dataRoot);

// Whether the sandbox was turned off by prepareBeforeApplication().
bool sandboxTurnedOff();

} // namespace BrowserEngine
