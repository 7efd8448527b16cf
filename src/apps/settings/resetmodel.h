#pragma once

#include "settingbinding.h"

#include <QObject>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The Reset page: six buttons, of which only "Reset Home Screen Layout" acts, after a
// confirmation, by putting the home wallpaper name back to "Wallpaper". Nothing else is written;
// a custom home picture stays in use until its own flag is cleared.
class ResetModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariantList sections READ sections CONSTANT)
    // True while the confirmation sheet is shown.
    Q_PROPERTY(bool ResetHomeScreenLayout READ resetHomeScreenLayout WRITE setResetHomeScreenLayout NOTIFY resetHomeScreenLayoutChanged)

public:
    explicit ResetModel(QObject *parent = nullptr);

    QVariantList sections() const;
    bool resetHomeScreenLayout() const { return m_resetHomeScreenLayout; }
    void setResetHomeScreenLayout(bool shown);

    // A button of the page by its action name; the ones without an action do nothing.
    Q_INVOKABLE void trigger(const QString &action);
    // The sheet's two answers.
    Q_INVOKABLE void resetHomeScreen();
    Q_INVOKABLE void cancel() { setResetHomeScreenLayout(false); }

signals:
    void resetHomeScreenLayoutChanged();

private:
    SettingBinding m_homescreenWallpaper;
    bool m_resetHomeScreenLayout = false;
};
