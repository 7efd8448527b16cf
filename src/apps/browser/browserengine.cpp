#include "browserengine.h"

#include <QDir>
#include <QQmlEngine>
#include <QQuickWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <QtWebEngineQuick/qtwebenginequickglobal.h>

#include <cstdio>
#include <unistd.h>

namespace {

bool g_sandboxTurnedOff = false;

const char ProfileObjectName[] = "kestrelWebProfile";

// Web content may reach the network and nothing else: no file:, qrc: or engine-internal pages,
// whatever asks for them (a typed address, a link, a sub-resource, a script).
class LocalRequestBlocker : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        static const QStringList allowed = {QStringLiteral("http"), QStringLiteral("https"),
                                            QStringLiteral("ws"),   QStringLiteral("wss"),
                                            QStringLiteral("data"), QStringLiteral("blob"),
                                            QStringLiteral("about")};
        if (!allowed.contains(info.requestUrl().scheme()))
            info.block(true);
    }
};

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
    QtWebEngineQuick::initialize();
}

bool sandboxTurnedOff() { return g_sandboxTurnedOff; }

QQuickWebEngineProfile *profileFor(QQmlEngine *engine, const QString &dataRoot)
{
    if (auto *existing = engine->findChild<QQuickWebEngineProfile *>(QLatin1String(ProfileObjectName),
                                                                     Qt::FindDirectChildrenOnly))
        return existing;
    announceSandboxOnce();
    const QString root = QDir(dataRoot).filePath(QStringLiteral("WebEngine"));
    auto *profile = new QQuickWebEngineProfile(engine);
    profile->setObjectName(QLatin1String(ProfileObjectName));
    profile->setStorageName(QStringLiteral("Kestrel"));
    profile->setOffTheRecord(false);
    profile->setPersistentStoragePath(root);
    profile->setCachePath(QDir(root).filePath(QStringLiteral("Cache")));
    profile->setHttpCacheType(QQuickWebEngineProfile::DiskHttpCache);
    profile->setPersistentCookiesPolicy(QQuickWebEngineProfile::AllowPersistentCookies);
    profile->setUrlRequestInterceptor(new LocalRequestBlocker(profile));
    QQmlEngine::setObjectOwnership(profile, QQmlEngine::CppOwnership);
    return profile;
}

} // namespace BrowserEngine
