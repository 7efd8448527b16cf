#pragma once

#include "packages.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

class SettingBinding;
class SettingsStore;

// The package manager's whole effect on the shell: two settings. Applying a package sets the
// dock platter's opacity ("Dock_Opacity", read by the home screen) to the package's value, or to
// 1 when it has none, stored unchanged whatever the integer. The built-in Hide Dock tweak
// toggles between a transparent and a normal dock and remembers which ("Hide_Dock_Installed").
class Tweaks : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(qint64 Dock_Opacity READ dockOpacity NOTIFY dockOpacityChanged)
    Q_PROPERTY(bool Hide_Dock_Installed READ hideDockInstalled NOTIFY hideDockInstalledChanged)
    Q_PROPERTY(QString hideDockTitle READ hideDockTitle NOTIFY hideDockInstalledChanged)

public:
    explicit Tweaks(QObject *parent = nullptr); // QML: the current context's store
    explicit Tweaks(SettingsStore *store, QObject *parent = nullptr);

    qint64 dockOpacity() const;
    bool hideDockInstalled() const;
    // "Install Hide Dock" or "Remove Hide Dock".
    QString hideDockTitle() const;

    void applyPackage(const Packages &package);
    Q_INVOKABLE void toggleHideDock();

signals:
    void dockOpacityChanged();
    void hideDockInstalledChanged();

private:
    SettingBinding *m_dockOpacity;
    SettingBinding *m_hideDockInstalled;
};
