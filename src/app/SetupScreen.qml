import QtQuick
import QtQuick.Layouts
import Kestrel.App
import Kestrel.Ui

// First launch: a welcome text and "Swipe up to get started", which alone carries the swipe.
Rectangle {
    id: setup
    objectName: "setupScreen"

    // End of a drag on the swipe text: dy is end minus start, upwards negative.
    signal swipeEnded(real dy)

    color: "white"

    ColumnLayout {
        anchors.fill: parent
        anchors.topMargin: AppContext.device.topInset
        anchors.bottomMargin: AppContext.device.bottomInset
        spacing: 8

        Text {
            objectName: "welcomeText"
            Layout.fillHeight: true
            Layout.alignment: Qt.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: "Welcome to " + AppContext.device.modelName
            color: Foreground.color
            font.pixelSize: 25
            font.weight: Font.DemiBold
        }

        Text {
            id: swipeText
            objectName: "swipeText"
            Layout.alignment: Qt.AlignHCenter
            text: "Swipe up to get started"
            color: Foreground.color
            transform: Translate { y: -15 }
            // A screen reader's "press" is the swipe up.
            Accessible.role: Accessible.Button
            Accessible.name: text
            Accessible.onPressAction: setup.swipeEnded(-height)

            MouseArea {
                objectName: "swipeArea"
                property real startY: 0
                anchors.fill: parent
                preventStealing: true
                onPressed: mouse => startY = mouse.y
                onReleased: mouse => setup.swipeEnded(mouse.y - startY)
            }
        }
    }
}
