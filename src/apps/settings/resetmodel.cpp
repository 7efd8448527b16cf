#include "resetmodel.h"

#include "settingsrows.h"

ResetModel::ResetModel(QObject *parent) : QObject(parent), m_homescreenWallpaper(nullptr)
{
    m_homescreenWallpaper.setKey(QStringLiteral("Homescreen_Wallpaper"));
    m_homescreenWallpaper.setDefaultValue(QStringLiteral("Wallpaper"));
}

QVariantList ResetModel::sections() const { return SettingsRows::resetSections(); }

void ResetModel::setResetHomeScreenLayout(bool shown)
{
    if (shown == m_resetHomeScreenLayout)
        return;
    m_resetHomeScreenLayout = shown;
    emit resetHomeScreenLayoutChanged();
}

void ResetModel::trigger(const QString &action)
{
    if (action == QLatin1String("confirmResetHomeScreen"))
        setResetHomeScreenLayout(!m_resetHomeScreenLayout);
}

void ResetModel::resetHomeScreen()
{
    m_homescreenWallpaper.setValue(QStringLiteral("Wallpaper"));
    setResetHomeScreenLayout(false);
}
