import QtQuick
import Kestrel.App
import Kestrel.Ui

// The home screen as far as it goes today: its wallpaper and the clock strings it was given.
// The icon pages, dock and folder come with the home screen work.
Item {
    id: home
    objectName: "homeScreen"

    // Two-way page binding: the creator's object holding CurrentPage.
    property QtObject pageOwner
    property var clockStrings: ({})

    Setting { id: wallpaperName; key: "Homescreen_Wallpaper"; defaultValue: "Wallpaper" }
    Setting { id: wallpaperCustom; key: "Homescreen_Wallpaper_Custom"; defaultValue: false }

    Wallpaper {
        anchors.fill: parent
        name: wallpaperName.value
        custom: wallpaperCustom.value
        customFileName: "CustomWallpaperHome"
    }

    Column {
        anchors.centerIn: parent
        Text {
            objectName: "homeTime"
            anchors.horizontalCenter: parent.horizontalCenter
            text: home.clockStrings.KestrelTime || ""
            color: Foreground.color
            font.pixelSize: 60
            font.weight: Font.Light
        }
        Text {
            objectName: "homeDate"
            anchors.horizontalCenter: parent.horizontalCenter
            text: home.clockStrings.KestrelDate || ""
            color: Foreground.color
            font.pixelSize: 20
        }
    }
}
