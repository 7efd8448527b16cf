import QtQuick
import Qt5Compat.GraphicalEffects
import Kestrel.App
import Kestrel.Home
import Kestrel.Ui

// The home wallpaper: the custom home picture when chosen (the built-in "Wallpaper" when its
// file cannot be read), else the named picture. On the search page it is dimmed and blurred.
Item {
    id: root
    objectName: "homeWallpaper"

    required property HomeScreenModel model
    readonly property bool dimmed: model.searchPageShown

    Item {
        id: picture
        anchors.fill: parent
        visible: !root.dimmed

        Wallpaper {
            objectName: "homeWallpaperPicture"
            anchors.fill: parent
            name: root.model.Homescreen_Wallpaper
            custom: root.model.Homescreen_Wallpaper_Custom
            customFileName: "CustomWallpaperHome"
        }
        Rectangle {
            objectName: "searchDimmer"
            anchors.fill: parent
            color: "black"
            opacity: 0.5
            visible: root.dimmed
        }
    }

    Loader {
        objectName: "searchBlur"
        anchors.fill: parent
        active: root.dimmed
        sourceComponent: FastBlur {
            source: picture
            radius: 30
            transparentBorder: false
        }
    }
}
