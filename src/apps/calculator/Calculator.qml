import QtQuick
import QtQuick.Controls
import Kestrel.App
import Kestrel.Apps.Calculator

// The calculator: an editable display over the 19 keys, on black under every safe area. Each
// screen makes its own model, so opening the app again starts from the initial state.
Rectangle {
    id: calculator
    objectName: "calculator"

    readonly property alias model: model

    color: "black"

    CalculatorModel {
        id: model
    }

    // On a keyboard: digits and the usual operator characters press the matching keys, Return
    // is "=", Escape is "AC". While the display is edited, characters are the edit's (a "-"
    // there is a sign) and only Return and Escape act. Returns whether the key was taken.
    readonly property var typedKeys: ({ "+": "+", "-": "\u2212", "*": "\u00D7", "x": "\u00D7",
                                        "/": "\u00F7", "%": "%", ".": ".", ",": ".", "=": "=" })
    function pressTyped(event, characters) {
        let key = characters ? calculator.typedKeys[event.text] : undefined
        if (characters && event.text.length === 1 && event.text >= "0" && event.text <= "9")
            key = event.text
        else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
            key = "="
        else if (event.key === Qt.Key_Escape)
            key = "AC"
        if (key !== undefined)
            model.press(key)
        return key !== undefined
    }
    Component.onCompleted: forceActiveFocus()
    Keys.onPressed: event => event.accepted = pressTyped(event, true)

    Item {
        id: safeArea
        anchors.fill: parent
        anchors.topMargin: AppContext.device.topInset
        anchors.bottomMargin: AppContext.device.bottomInset

        Column {
            anchors.centerIn: parent
            width: parent.width

            TextField {
                id: display
                objectName: "display"
                Accessible.name: "Result"
                x: 5
                width: parent.width - 10
                height: Math.min(implicitHeight, 150)
                padding: 0
                background: null
                placeholderText: ""
                color: "white"
                font.pixelSize: 70
                horizontalAlignment: TextInput.AlignRight
                // Two-way: the model's text shows here, and an edit here changes only that text.
                text: model.displayNumber
                onTextEdited: model.displayNumber = text
                // While editing here, what is typed stays the edit's; Return and Escape still act.
                Keys.onPressed: event => event.accepted = calculator.pressTyped(event, false)
            }

            Item {
                id: keypad
                objectName: "keypad"

                // Four flexible columns with the default spacing and padding around them: the
                // first at least 55 wide, all at most 100; every key stays 85 and is centred.
                readonly property real padding: 16
                readonly property real spacing: 8
                readonly property real columnWidth: Math.max(55, Math.min(100, (calculator.width - 2 * padding - 3 * spacing) / 4))
                readonly property int rows: Math.ceil(model.keys.length / 4)

                width: 4 * columnWidth + 3 * spacing + 2 * padding
                height: rows * 85 + (rows - 1) * spacing + 2 * padding
                anchors.horizontalCenter: parent.horizontalCenter

                Repeater {
                    model: calculator.model.keys

                    ButtonsView {
                        required property string modelData
                        required property int index

                        objectName: "key_" + modelData
                        name: modelData
                        kind: calculator.model.keyKind(modelData)
                        x: keypad.padding + (index % 4) * (keypad.columnWidth + keypad.spacing) + (keypad.columnWidth - width) / 2
                        y: keypad.padding + Math.floor(index / 4) * (85 + keypad.spacing)
                        onClicked: calculator.model.press(name)
                    }
                }
            }
        }
    }
}
