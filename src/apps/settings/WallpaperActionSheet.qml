import QtQuick
import Kestrel.App
import Kestrel.Apps.Settings

// "Choose What To Set": the action sheet of the Set page, drawn inside the phone: a dimmed
// backdrop, a rounded group with the title and three choices, and a separate "Cancel".
Item {
    id: sheet
    objectName: "wallpaperActionSheet"

    required property SetWallpaperModel model
    readonly property bool shown: model.SetButton

    visible: opacity > 0
    opacity: shown ? 1 : 0
    Behavior on opacity { NumberAnimation { duration: 250; easing.type: Easing.OutQuad } }

    Rectangle {
        anchors.fill: parent
        color: Qt.rgba(0, 0, 0, 0.4)
        MouseArea {
            // Taps outside the sheet close it, as its Cancel does.
            anchors.fill: parent
            enabled: sheet.shown
            onClicked: sheet.model.dismissSheet()
        }
    }

    Column {
        id: groups
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 8
        anchors.bottomMargin: 8 + AppContext.device.bottomInset + (sheet.shown ? 0 : -40)
        spacing: 8
        Behavior on anchors.bottomMargin { NumberAnimation { duration: 250; easing.type: Easing.OutQuad } }

        Rectangle {
            width: parent.width
            height: choices.height
            radius: 13
            color: Qt.rgba(0.97, 0.97, 0.97, 0.97)
            clip: true
            Column {
                id: choices
                width: parent.width
                Text {
                    width: parent.width
                    height: 44
                    text: "Choose What To Set"
                    color: "#8a8a8e"
                    font.pixelSize: 13
                    font.weight: Font.DemiBold
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    Accessible.role: Accessible.Heading
                    Accessible.name: text
                }
                Repeater {
                    model: [["setLockScreenButton", "Set Lock Screen", SetWallpaperModel.LockScreen],
                            ["setHomeScreenButton", "Set Home Screen", SetWallpaperModel.HomeScreen],
                            ["setBothButton", "Set Both", SetWallpaperModel.BothScreens]]
                    SheetButton {
                        required property var modelData
                        objectName: modelData[0]
                        text: modelData[1]
                        separated: true
                        onClicked: sheet.model.apply(modelData[2])
                    }
                }
            }
        }

        Rectangle {
            width: parent.width
            height: 57
            radius: 13
            color: "white"
            SheetButton {
                objectName: "sheetCancelButton"
                anchors.fill: parent
                text: "Cancel"
                bold: true
                onClicked: sheet.model.dismissSheet()
            }
        }
    }

    component SheetButton: Item {
        id: button
        property string text
        property bool separated: false
        property bool bold: false
        signal clicked()

        width: parent ? parent.width : 0
        height: 57
        Accessible.role: Accessible.Button
        Accessible.name: text
        Accessible.onPressAction: clicked()

        Rectangle {
            anchors.fill: parent
            color: "#d1d1d6"
            visible: buttonArea.pressed
        }
        Rectangle {
            visible: button.separated
            width: parent.width
            height: 0.5
            color: "#c6c6c8"
        }
        Text {
            anchors.centerIn: parent
            text: button.text
            color: "#007aff"
            font.pixelSize: 20
            font.weight: button.bold ? Font.DemiBold : Font.Normal
        }
        MouseArea {
            id: buttonArea
            anchors.fill: parent
            enabled: sheet.shown
            onClicked: button.clicked()
        }
    }
}
