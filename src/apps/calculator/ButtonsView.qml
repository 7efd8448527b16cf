import QtQuick
import QtQuick.Controls
import Kestrel.Apps.Calculator

// One calculator key: an 85 point circle with its text, coloured by the kind of key.
AbstractButton {
    id: key

    property string name
    // CalculatorModel.KeyKind of the key: digit, function or operator.
    property int kind: CalculatorModel.Digit

    // Named by its face for screen readers (Qt 6.4 does not name a button from a text it
    // does not draw either).
    Accessible.name: name
    implicitWidth: 85
    implicitHeight: 85
    padding: 0
    // Keys never take the keyboard focus away from the display being edited.
    focusPolicy: Qt.NoFocus

    background: Rectangle {
        radius: width / 2
        color: key.kind === CalculatorModel.Operator ? "#FF9500"
             : key.kind === CalculatorModel.Function ? Qt.rgba(209 / 255, 209 / 255, 214 / 255, 0.7)
             : Qt.rgba(142 / 255, 142 / 255, 147 / 255, 0.4)
    }

    contentItem: Text {
        text: key.name
        color: key.kind === CalculatorModel.Function ? "black" : "white"
        font.pixelSize: 35
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
}
