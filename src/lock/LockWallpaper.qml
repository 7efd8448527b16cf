import QtQuick
import Kestrel.App
import Kestrel.Ui

// The lock screen's wallpaper choice, shared by the lock and passcode screens: the named
// picture, or the custom lock picture file with "Wallpaper" as its fallback.
Wallpaper {
    Setting { id: wallpaperName; key: "Lockscreen_Wallpaper"; defaultValue: "Wallpaper" }
    Setting { id: wallpaperCustom; key: "Lockscreen_Wallpaper_Custom"; defaultValue: false }

    name: wallpaperName.value
    custom: wallpaperCustom.value
    customFileName: "CustomWallpaperLock"
}
