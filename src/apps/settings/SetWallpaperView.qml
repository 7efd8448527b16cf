import QtQuick
import Kestrel.App
import Kestrel.Apps.Settings
import Kestrel.Ui

// The Set page: the choice previewed full screen under a lock-screen mock, "Cancel" and "Set",
// and the "Choose What To Set" sheet. Once left ("Cancel" or a stored choice) a fresh Stills
// page takes its place, with the navigation bar back.
Item {
    id: page
    objectName: "setWallpaperView"

    // A catalogue name, or empty for the picked photo.
    property string wallpaper
    // The picked photo (an image value from the Choose page), or null for a catalogue choice.
    property var customWallpaper: null

    readonly property SetWallpaperModel model: setModel
    property string title: setModel.Cancel && stills.item ? stills.item.title : ""
    property bool navigationBarHidden: setModel.Cancel ? (stills.item ? stills.item.navigationBarHidden : false) : true

    SetWallpaperModel {
        id: setModel
    }
    // Capitalised model fields cannot be bound in the object's own declaration.
    Binding {
        target: setModel
        property: "Wallpaper"
        value: page.wallpaper
    }
    Component.onCompleted: if (page.customWallpaper) setModel.CustomWallpaper = page.customWallpaper

    Loader {
        id: stills
        anchors.fill: parent
        active: setModel.Cancel
        source: Qt.resolvedUrl("StillsWallpapers.qml")
    }

    Item {
        id: preview
        anchors.fill: parent
        visible: !setModel.Cancel

        Wallpaper {
            objectName: "setPreview"
            anchors.fill: parent
            name: page.wallpaper
            custom: setModel.hasCustomWallpaper
            customFileName: "CustomWallpaper"
        }

        Column {
            anchors.centerIn: parent
            Item {
                width: 1
                height: Math.min(70, preview.height / 12)
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "9:41"
                color: "white"
                font.pixelSize: 80
                font.weight: Font.Light
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "Tuesday, January 9"
                color: "white"
                font.pixelSize: 25
                font.weight: Font.Light
            }
        }

        Row {
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 14
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 0.7
            Repeater {
                model: [["setCancelButton", "Cancel"], ["setButton", "Set"]]
                Rectangle {
                    required property var modelData
                    objectName: modelData[0]
                    width: preview.width / 2
                    height: 85
                    color: Qt.rgba(1, 1, 1, area.pressed ? 0.6 : 0.8)
                    Accessible.role: Accessible.Button
                    Accessible.name: modelData[1]
                    Accessible.onPressAction: area.clicked(null)
                    Text {
                        anchors.centerIn: parent
                        text: parent.modelData[1]
                        color: "black"
                        font.pixelSize: 20
                    }
                    MouseArea {
                        id: area
                        anchors.fill: parent
                        onClicked: parent.modelData[1] === "Set" ? setModel.pressSet() : setModel.pressCancel()
                    }
                }
            }
        }

        WallpaperActionSheet {
            anchors.fill: parent
            model: setModel
        }
    }
}
