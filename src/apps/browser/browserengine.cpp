#include "browserengine.h"

#include <QCoreApplication>
#include <QDir>
#include <QQmlComponent>
#include <QQmlEngine>

#include <cstdio>
#include <unistd.h>

namespace {

bool g_sandboxTurnedOff = false;

const char ProfileObjectName[] = "kestrelWebProfile";

void announceSandboxOnce()
{
    static bool announced = false;
    if (g_sandboxTurnedOff && !announced) {
        announced = true;
        std::fputs("kestrel: warning: running as root, so the web engine runs without its sandbox\n", stderr);
    }
}

} // namespace

namespace BrowserEngine {

void prepareBeforeApplication()
{
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        g_sandboxTurnedOff = true;
    }
    // The engine draws through a context shared with the windows'; the application object
    // makes that context when this is set before it (the engine's initialize() does only this).
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

bool sandboxTurnedOff() { return g_sandboxTurnedOff; }

QObject *profileFor(QQmlEngine *engine, const QString &dataRoot)
{
    if (auto *existing = engine->findChild<QObject *>(QLatin1String(ProfileObjectName), Qt::FindDirectChildrenOnly))
        return existing;
    announceSandboxOnce();
    const QString root = QDir(dataRoot).filePath(QStringLiteral("WebEngine"));
    QQmlComponent component(engine, QUrl(QStringLiteral("qrc:/Kestrel/Apps/Browser/BrowserProfile.qml")));
    QObject *profile = component.createWithInitialProperties(
        {{QStringLiteral("persistentStoragePath"), root},
         {QStringLiteral("cachePath"), QDir(root).filePath(QStringLiteral("Cache"))}});
    if (!profile) {
        qWarning("%s", qPrintable(component.errorString()));
        return nullptr;
    }
    profile->setObjectName(QLatin1String(ProfileObjectName));
    profile->setParent(engine);
    QQmlEngine::setObjectOwnership(profile, QQmlEngine::CppOwnership);
    return profile;
}

} // namespace BrowserEngine
