import QtQuick
import Kestrel.Ui

// The camera is not there yet: the default wallpaper and a message; only a tap on the
// message closes it.
Item {
    id: placeholder
    objectName: "cameraPlaceholder"

    signal closeRequested()

    Wallpaper {
        anchors.fill: parent
        name: "Wallpaper"
    }

    Text {
        objectName: "cameraMessage"
        anchors.centerIn: parent
        anchors.verticalCenterOffset: -30
        text: "Camera Comming Soon!"
        color: "white"
        font.pixelSize: 30
        font.weight: Font.Bold
        Accessible.role: Accessible.Button
        Accessible.name: text
        Accessible.onPressAction: placeholder.closeRequested()
        MouseArea {
            anchors.fill: parent
            onClicked: placeholder.closeRequested()
        }
    }
}
