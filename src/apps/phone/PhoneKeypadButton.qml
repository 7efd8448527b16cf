import QtQuick
import QtQuick.Controls

// The keypad's key style: an 85 point grey circle with the key face centred on it, and no
// pressed state.
AbstractButton {
    id: button

    implicitWidth: 85
    implicitHeight: 85
    padding: 0
    focusPolicy: Qt.NoFocus

    background: Rectangle {
        radius: width / 2
        color: "#8E8E93"
        opacity: 0.3
    }
}
