import QtQuick
import Kestrel.App
import Kestrel.Home
import Kestrel.Ui

// An app's picture over its label, as the suggestion panel and the Extras folder show it;
// a tap opens the app.
Item {
    id: button

    required property int app
    property string label
    property real iconSize: 60
    property real radius: 15
    property color labelColor: Foreground.color
    property int labelSize: 17

    signal clicked()

    implicitWidth: column.width
    Accessible.role: Accessible.Button
    Accessible.name: label
    Accessible.onPressAction: button.clicked()
    implicitHeight: column.height

    Column {
        id: column
        spacing: 8

        RoundedPicture {
            anchors.horizontalCenter: parent.horizontalCenter
            width: button.iconSize
            height: button.iconSize
            radius: button.radius
            name: AppView.icon(button.app)
            opacity: area.pressed ? 0.5 : 1
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: button.label
            color: button.labelColor
            font.pixelSize: button.labelSize
        }
    }

    MouseArea {
        id: area
        anchors.fill: parent
        onClicked: button.clicked()
    }
}
