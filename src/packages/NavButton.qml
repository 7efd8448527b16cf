import QtQuick
import QtQuick.Controls
import Kestrel.Ui

// A text button of a navigation bar: blue, dimmed while pressed, optionally led by a symbol.
AbstractButton {
    id: button

    property string symbol: ""

    implicitWidth: row.implicitWidth
    implicitHeight: 44
    focusPolicy: Qt.NoFocus
    Accessible.name: text

    contentItem: Item {
        Row {
            id: row
            anchors.verticalCenter: parent.verticalCenter
            spacing: 2
            opacity: button.pressed ? 0.3 : 1

            Symbol {
                anchors.verticalCenter: parent.verticalCenter
                visible: button.symbol !== ""
                name: button.symbol
                size: 20
                color: "#007AFF"
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: button.text
                color: "#007AFF"
                font.pixelSize: 17
                font.weight: button.font.weight
            }
        }
    }
}
