import QtQuick
import Kestrel.Lock
import Kestrel.Ui

// The title, six digit indicators and the keypad shared by "Enter Passcode" and "Make A
// Passcode". It only shows `count` and reports keys; the page's model decides what they do.
Item {
    id: keypad

    property string heading
    property int count: 0
    signal digitPressed(string digit)

    // The keys in the round passcode style need something to stand out from on a light page.
    Rectangle {
        anchors.fill: parent
        color: "#f2f2f7"
    }

    Column {
        id: stack
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        anchors.topMargin: 10
        spacing: 60
        // A short screen shrinks the whole stack rather than cutting off the last key.
        scale: Math.min(1, (keypad.height - 20) / (height + 30))
        transformOrigin: Item.Top

        Text {
            objectName: "keypadTitle"
            anchors.horizontalCenter: parent.horizontalCenter
            text: keypad.heading
            color: "black"
            font.pixelSize: 25
            font.weight: Font.Medium
            transform: Translate { y: 30 }
            Accessible.role: Accessible.Heading
            Accessible.name: text
        }

        Row {
            objectName: "keypadDots"
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 25
            Accessible.role: Accessible.Indicator
            Accessible.name: keypad.count + " of 6 digits entered"
            Repeater {
                model: 6
                Symbol {
                    required property int index
                    objectName: "keypadDot" + (index + 1)
                    anchors.verticalCenter: parent.verticalCenter
                    name: keypad.count > index ? "circle.fill" : "circle"
                    opacity: keypad.count > index ? 1.0 : 0.5
                    size: 17
                    color: "black"
                }
            }
        }

        Column {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 15

            Repeater {
                model: [
                    [["1", ""], ["2", "ABC"], ["3", "DEF"]],
                    [["4", "GHI"], ["5", "JKL"], ["6", "MNO"]],
                    [["7", "PQRS"], ["8", "TUV"], ["9", "WXYZ"]],
                    [["0", ""]],
                ]
                Row {
                    required property var modelData
                    anchors.horizontalCenter: parent.horizontalCenter
                    spacing: 30
                    Repeater {
                        model: parent.modelData
                        PasscodeButton {
                            id: key
                            required property var modelData
                            objectName: "settingsKey" + modelData[0]
                            Accessible.role: Accessible.Button
                            Accessible.name: modelData[0]
                            Accessible.onPressAction: keypad.digitPressed(modelData[0])
                            onClicked: keypad.digitPressed(modelData[0])
                            Rectangle {
                                // Under the key's own faint circle, which alone is lost on white.
                                parent: key
                                z: -1
                                anchors.fill: parent
                                radius: width / 2
                                color: "#d1d1d6"
                            }
                            Column {
                                Text {
                                    anchors.horizontalCenter: parent.horizontalCenter
                                    text: key.modelData[0]
                                    color: "black"
                                    font.pixelSize: 35
                                }
                                Text {
                                    anchors.horizontalCenter: parent.horizontalCenter
                                    visible: key.modelData[1] !== ""
                                    text: key.modelData[1]
                                    color: "black"
                                    font.pixelSize: 13
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}
