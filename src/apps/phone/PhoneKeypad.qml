import QtQuick
import QtQuick.Controls
import Kestrel.App
import Kestrel.Apps.Phone
import Kestrel.Ui

// The keypad page: the typed number over twelve keys and the call row. Positions are plain
// bindings, so a key is where it is drawn from the moment the number changes.
Item {
    id: page
    objectName: "keypadPage"

    required property PhoneKeypadModel keypad

    readonly property real keySize: 85
    readonly property real columnSpacing: 30
    readonly property real rowSpacing: 15

    // On a keyboard: digits, * and # press the keys, Backspace deletes, Return calls.
    onVisibleChanged: if (visible) forceActiveFocus()
    Component.onCompleted: if (visible) forceActiveFocus()
    Keys.onPressed: event => {
        const key = event.text.length === 1 && "0123456789*#".includes(event.text)
        const erase = event.key === Qt.Key_Backspace && page.keypad.PhoneNumber !== ""
        const call = (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) && page.keypad.PhoneNumber !== ""
        if (key)
            page.keypad.press(event.text)
        else if (erase)
            page.keypad.deleteLast()
        else if (call)
            page.keypad.call(AppContext.urlOpener)
        event.accepted = key || erase || call
    }

    Item {
        id: stack
        anchors.centerIn: parent
        width: page.width
        height: number.height + 8 + keys.height + page.rowSpacing + page.keySize

        Text {
            id: number
            objectName: "phoneNumber"
            anchors.top: parent.top
            anchors.horizontalCenter: parent.horizontalCenter
            width: page.width - 40
            // A space while empty, so the line keeps its height.
            text: page.keypad.PhoneNumber === "" ? " " : page.keypad.PhoneNumber
            color: "black"
            font.pixelSize: 35
            horizontalAlignment: Text.AlignHCenter
            // No length limit: the latest digits stay in view.
            elide: Text.ElideLeft
        }

        Item {
            id: keys
            anchors.top: number.bottom
            anchors.topMargin: 8
            anchors.horizontalCenter: parent.horizontalCenter
            width: 3 * page.keySize + 2 * page.columnSpacing
            height: 4 * page.keySize + 3 * page.rowSpacing

            Repeater {
                model: page.keypad.keys

                PhoneKeypadButton {
                    id: key
                    required property var modelData
                    required property int index

                    objectName: "key_" + modelData.key
                    Accessible.name: modelData.key
                    Accessible.description: modelData.letters
                    x: (index % 3) * (page.keySize + page.columnSpacing)
                    y: Math.floor(index / 3) * (page.keySize + page.rowSpacing)
                    onClicked: page.keypad.press(modelData.key)

                    contentItem: Item {
                        Column {
                            anchors.centerIn: parent
                            visible: key.modelData.letters !== ""

                            Text {
                                anchors.horizontalCenter: parent.horizontalCenter
                                text: key.modelData.key
                                color: "black"
                                font.pixelSize: 35
                            }
                            Text {
                                anchors.horizontalCenter: parent.horizontalCenter
                                text: key.modelData.letters
                                color: "black"
                                font.pixelSize: 13
                            }
                        }
                        Text {
                            anchors.centerIn: parent
                            // "*" is drawn large and low, as on a phone's keypad.
                            anchors.verticalCenterOffset: key.modelData.key === "*" ? 15 : 0
                            visible: key.modelData.letters === ""
                            text: key.modelData.key
                            color: "black"
                            font.pixelSize: key.modelData.key === "*" ? 85 : 35
                        }
                    }
                }
            }
        }

        // The call row: the call face alone and inert while nothing is typed; then the call
        // (the "tel:" hand-off) and delete side by side, the pair shifted 40 to the right so
        // the call face stays near the middle.
        Item {
            id: callRow
            readonly property bool typing: page.keypad.PhoneNumber !== ""
            readonly property real pairWidth: page.keySize + page.columnSpacing + deleteButton.width

            anchors.top: keys.bottom
            anchors.topMargin: page.rowSpacing
            width: page.width
            height: page.keySize

            CallFace {
                id: callFace
                objectName: "callButton"
                Accessible.name: "Call"
                x: callRow.typing ? (callRow.width - callRow.pairWidth) / 2 + 40 : (callRow.width - width) / 2
                onClicked: if (callRow.typing) page.keypad.call(AppContext.urlOpener)
            }

            AbstractButton {
                id: deleteButton
                objectName: "deleteButton"
                Accessible.name: "Delete"
                x: callFace.x + callFace.width + page.columnSpacing
                width: deleteSymbol.width + 15
                height: page.keySize
                visible: callRow.typing
                focusPolicy: Qt.NoFocus
                onClicked: page.keypad.deleteLast()

                Symbol {
                    id: deleteSymbol
                    x: 15
                    anchors.verticalCenter: parent.verticalCenter
                    name: "delete.left.fill"
                    size: 40
                    color: "#8E8E93"
                    opacity: 0.3
                }
            }
        }
    }
}
