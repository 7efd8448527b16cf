import QtQuick

// The page behind the Wallpaper row. Only its title for now: the wallpaper pages replace it.
Item {
    objectName: "wallpaperSettings"

    property string title: "Wallpaper"
    property bool navigationBarHidden: false
}
