import QtQuick
import QtQuick.Controls

// One button of the text prompt's button row, with the hairline that parts it from the one
// before it.
AbstractButton {
    id: button

    property bool bold: false
    property bool divider: false

    height: 44
    focusPolicy: Qt.NoFocus
    Accessible.name: text

    background: Rectangle {
        color: button.pressed ? "#DCDCDC" : "transparent"
        Rectangle {
            visible: button.divider
            width: 0.5
            height: parent.height
            color: "#3C3C43"
            opacity: 0.36
        }
    }
    contentItem: Text {
        text: button.text
        color: "#007AFF"
        font.pixelSize: 17
        font.weight: button.bold ? Font.DemiBold : Font.Normal
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
}
