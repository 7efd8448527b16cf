#include "hapticmanager.h"

#include "appcontext.h"

#include <QJSEngine>

HapticManager *HapticManager::shared()
{
    static HapticManager *instance = new HapticManager; // lives as long as the process
    return instance;
}

HapticManager *HapticManager::create(QQmlEngine *, QJSEngine *)
{
    QJSEngine::setObjectOwnership(shared(), QJSEngine::CppOwnership);
    return shared();
}

void HapticManager::impact(Style style)
{
    if (AppContext *context = AppContext::current())
        context->haptics()->impact(Haptics::ImpactStyle(style));
}
