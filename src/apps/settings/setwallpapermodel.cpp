#include "setwallpapermodel.h"

#include "appcontext.h"
#include "customphoto.h"
#include "settingbinding.h"

namespace {
const QString LockName = QStringLiteral("Lockscreen_Wallpaper");
const QString HomeName = QStringLiteral("Homescreen_Wallpaper");
const QString LockCustom = QStringLiteral("Lockscreen_Wallpaper_Custom");
const QString HomeCustom = QStringLiteral("Homescreen_Wallpaper_Custom");
} // namespace

SetWallpaperModel::SetWallpaperModel(QObject *parent)
    : QObject(parent), m_store(AppContext::current()->settings()), m_files(AppContext::current()->wallpapers())
{
}

void SetWallpaperModel::setCustomWallpaper(const QImage &picture)
{
    if (picture.isNull() && m_customWallpaper.isNull())
        return;
    m_customWallpaper = picture;
    emit CustomWallpaperChanged();
}

void SetWallpaperModel::setWallpaper(const QString &name)
{
    if (name == m_wallpaper)
        return;
    m_wallpaper = name;
    emit WallpaperChanged();
}

void SetWallpaperModel::pressSet()
{
    if (m_setButton || m_cancel)
        return;
    m_setButton = true;
    emit SetButtonChanged();
}

void SetWallpaperModel::dismissSheet()
{
    if (!m_setButton)
        return;
    m_setButton = false;
    emit SetButtonChanged();
}

void SetWallpaperModel::pressCancel()
{
    if (m_cancel)
        return;
    dismissSheet();
    m_cancel = true;
    emit CancelChanged();
}

void SetWallpaperModel::storeNamed(const QString &nameKey, const QString &customKey)
{
    SettingBinding(m_store, nameKey, QStringLiteral("Wallpaper")).setValue(m_wallpaper);
    SettingBinding(m_store, customKey, false).setValue(false);
}

void SetWallpaperModel::storeCustom(const QString &fileName, const QString &customKey, const QImage &picture)
{
    // The file first, so a screen that follows the flag finds the new picture already there.
    // A failed save leaves the flag set all the same; the screens then show "Wallpaper".
    m_files->saveWallpaperFile(fileName, picture);
    SettingBinding(m_store, customKey, false).setValue(true);
}

void SetWallpaperModel::apply(Target target)
{
    if (!m_setButton || m_cancel)
        return;
    if (!m_wallpaper.isEmpty()) {
        if (target != HomeScreen)
            storeNamed(LockName, LockCustom);
        if (target != LockScreen)
            storeNamed(HomeName, HomeCustom);
    } else {
        const QImage picture = m_customWallpaper.isNull() ? customphoto::builtinWallpaper() : m_customWallpaper;
        if (target != LockScreen)
            storeCustom(QStringLiteral("CustomWallpaperHome"), HomeCustom, picture);
        if (target != HomeScreen)
            storeCustom(QStringLiteral("CustomWallpaperLock"), LockCustom, picture);
    }
    pressCancel();
}
