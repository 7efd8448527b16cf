import QtQuick
import Kestrel.App
import Kestrel.Ui

// The lock screen as far as it goes today: its wallpaper and the clock strings formatted when
// it was made. The buttons and the unlock flow come with the lock and unlock work.
Item {
    id: lock
    objectName: "lockscreen"

    // Formatted once, at creation; nothing refreshes them.
    readonly property var clockStrings: AppContext.clock.lockStrings()

    Setting { id: wallpaperName; key: "Lockscreen_Wallpaper"; defaultValue: "Wallpaper" }
    Setting { id: wallpaperCustom; key: "Lockscreen_Wallpaper_Custom"; defaultValue: false }

    Wallpaper {
        objectName: "lockWallpaper"
        anchors.fill: parent
        name: wallpaperName.value
        custom: wallpaperCustom.value
        customFileName: "CustomWallpaperLock"
    }

    Column {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        anchors.topMargin: AppContext.device.topInset + 60

        Text {
            objectName: "lockTime"
            anchors.horizontalCenter: parent.horizontalCenter
            text: lock.clockStrings.KestrelTime
            color: Foreground.color
            font.pixelSize: 80
            font.weight: Font.Thin
        }
        Text {
            objectName: "lockDate"
            anchors.horizontalCenter: parent.horizontalCenter
            text: lock.clockStrings.KestrelDate
            color: Foreground.color
            font.pixelSize: 25
            font.weight: Font.Light
        }
    }
}
