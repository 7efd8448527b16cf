import QtQuick
import QtQuick.Controls.Basic
import Kestrel.App
import Kestrel.Ui

// The Wallpaper page: "Choose a New Wallpaper" and the two current wallpapers, lock screen first.
// The previews follow the stored choices live, custom files included.
Item {
    id: page
    objectName: "wallpaperSettings"

    property string title: "Wallpaper"
    property bool navigationBarHidden: false

    Setting { id: lockName; key: "Lockscreen_Wallpaper"; defaultValue: "Wallpaper" }
    Setting { id: homeName; key: "Homescreen_Wallpaper"; defaultValue: "Wallpaper" }
    Setting { id: lockCustom; key: "Lockscreen_Wallpaper_Custom"; defaultValue: false }
    Setting { id: homeCustom; key: "Homescreen_Wallpaper_Custom"; defaultValue: false }

    Rectangle {
        anchors.fill: parent
        color: "#f2f2f7"
    }

    Flickable {
        anchors.fill: parent
        contentHeight: content.height + 40
        clip: true

        Column {
            id: content
            width: parent.width
            y: 18

            Text {
                x: 16
                width: parent.width - 32
                bottomPadding: 6
                text: "WALLPAPER"
                color: "black"
                opacity: 0.5
                font.pixelSize: 13
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }

            Rectangle {
                width: parent.width
                height: 44
                color: chooseArea.pressed ? "#d1d1d6" : "white"
                objectName: "chooseNewWallpaperRow"
                Accessible.role: Accessible.Button
                Accessible.name: "Choose a New Wallpaper"
                Accessible.onPressAction: page.openChoose()
                Text {
                    x: 16
                    anchors.verticalCenter: parent.verticalCenter
                    text: "Choose a New Wallpaper"
                    color: "black"
                    font.pixelSize: 17
                }
                Symbol {
                    anchors.right: parent.right
                    anchors.rightMargin: 14
                    anchors.verticalCenter: parent.verticalCenter
                    name: "chevron.right"
                    size: 13
                    color: "#c4c4c6"
                }
                Rectangle {
                    anchors.bottom: parent.bottom
                    x: 16
                    width: parent.width - 16
                    height: 0.5
                    color: "#c6c6c8"
                }
                MouseArea {
                    id: chooseArea
                    anchors.fill: parent
                    onClicked: page.openChoose()
                }
            }

            Rectangle {
                width: parent.width
                height: previews.height + 24
                color: "white"
                Row {
                    id: previews
                    anchors.centerIn: parent
                    spacing: 30
                    Wallpaper {
                        objectName: "lockPreview"
                        width: AppContext.device.screenWidth / 2.5
                        height: AppContext.device.screenHeight / 2.5
                        name: lockName.value
                        custom: lockCustom.value
                        customFileName: "CustomWallpaperLock"
                        Accessible.role: Accessible.Graphic
                        Accessible.name: "Lock Screen wallpaper"
                    }
                    Wallpaper {
                        objectName: "homePreview"
                        width: AppContext.device.screenWidth / 2.5
                        height: AppContext.device.screenHeight / 2.5
                        name: homeName.value
                        custom: homeCustom.value
                        customFileName: "CustomWallpaperHome"
                        Accessible.role: Accessible.Graphic
                        Accessible.name: "Home Screen wallpaper"
                    }
                }
            }

            Text {
                x: 16
                width: parent.width - 32
                topPadding: 6
                wrapMode: Text.WordWrap
                text: "Dynamic wallpaper and perspective zoom are disabled when Low Power Mode is on"
                color: "black"
                opacity: 0.5
                font.pixelSize: 13
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
        }
    }

    function openChoose() {
        page.StackView.view.push(Qt.resolvedUrl("ChooseNewWallpaper.qml"))
    }
}
