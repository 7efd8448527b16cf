#include "tweaks.h"

#include "appcontext.h"
#include "settingbinding.h"
#include "settingsstore.h"

Tweaks::Tweaks(QObject *parent) : Tweaks(AppContext::current() ? AppContext::current()->settings() : nullptr, parent) {}

Tweaks::Tweaks(SettingsStore *store, QObject *parent)
    : QObject(parent)
    , m_dockOpacity(new SettingBinding(store, QStringLiteral("Dock_Opacity"), qint64(1), this))
    , m_hideDockInstalled(new SettingBinding(store, QStringLiteral("Hide_Dock_Installed"), false, this))
{
    connect(m_dockOpacity, &SettingBinding::valueChanged, this, &Tweaks::dockOpacityChanged);
    connect(m_hideDockInstalled, &SettingBinding::valueChanged, this, &Tweaks::hideDockInstalledChanged);
}

qint64 Tweaks::dockOpacity() const { return m_dockOpacity->toInteger(); }

bool Tweaks::hideDockInstalled() const { return m_hideDockInstalled->toBool(); }

QString Tweaks::hideDockTitle() const
{
    return hideDockInstalled() ? QStringLiteral("Remove Hide Dock") : QStringLiteral("Install Hide Dock");
}

void Tweaks::applyPackage(const Packages &package) { m_dockOpacity->setValue(package.DockOpacity.value_or(1)); }

void Tweaks::toggleHideDock()
{
    if (!hideDockInstalled()) {
        m_dockOpacity->setValue(qint64(0));
        m_hideDockInstalled->setValue(true);
    } else {
        m_dockOpacity->setValue(qint64(1));
        m_hideDockInstalled->setValue(false);
    }
}
