import QtQuick
import QtQuick.Controls
import Kestrel.Apps.Browser

// A page's alert, confirm or prompt, drawn like the system's own alerts over the page. The page
// waits until one of the buttons answers it.
Item {
    id: dialog
    objectName: "webDialog"

    property WebViewStore store
    readonly property string kind: store ? store.dialogKind : ""

    visible: kind !== ""

    onKindChanged: if (kind === "prompt") answer.text = store.dialogDefaultText

    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: 0.2
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onWheel: wheel => wheel.accepted = true
    }

    Rectangle {
        width: Math.min(270, dialog.width - 40)
        height: column.height
        anchors.centerIn: parent
        radius: 14
        color: "#F2F2F2"
        clip: true

        Column {
            id: column
            width: parent.width

            Item {
                width: parent.width
                height: message.implicitHeight + (answer.visible ? answer.height + 12 : 0) + 40

                Text {
                    id: message
                    objectName: "webDialogMessage"
                    x: 16
                    y: 20
                    width: parent.width - 32
                    text: dialog.store ? dialog.store.dialogMessage : ""
                    color: "black"
                    font.pixelSize: 15
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.Wrap
                    maximumLineCount: 12
                    elide: Text.ElideRight
                    Accessible.role: Accessible.AlertMessage
                    Accessible.name: text
                }

                TextField {
                    id: answer
                    objectName: "webDialogField"
                    visible: dialog.kind === "prompt"
                    x: 16
                    anchors.top: message.bottom
                    anchors.topMargin: 12
                    width: parent.width - 32
                    height: 30
                    font.pixelSize: 13
                    inputMethodHints: Qt.ImhNoPredictiveText
                    Accessible.name: "Answer"
                    background: Rectangle {
                        radius: 5
                        color: "white"
                        border.color: "#C6C6C8"
                        border.width: 0.5
                    }
                    onAccepted: dialog.store.acceptDialog(text)
                }
            }

            Rectangle { width: parent.width; height: 0.5; color: "#3C3C43"; opacity: 0.36 }

            Row {
                width: parent.width
                height: 44

                Repeater {
                    model: dialog.kind === "alert"
                           ? [{ text: "OK", accept: true, name: "webDialogOk" }]
                           : [{ text: "Cancel", accept: false, name: "webDialogCancel" },
                              { text: "OK", accept: true, name: "webDialogOk" }]

                    AbstractButton {
                        id: choice
                        required property var modelData
                        required property int index

                        objectName: modelData.name
                        width: parent.width / (dialog.kind === "alert" ? 1 : 2)
                        height: parent.height
                        Accessible.name: modelData.text
                        onClicked: modelData.accept ? dialog.store.acceptDialog(answer.text) : dialog.store.rejectDialog()

                        background: Rectangle {
                            color: choice.pressed ? "#DCDCDC" : "transparent"
                            Rectangle {
                                visible: choice.index > 0
                                width: 0.5
                                height: parent.height
                                color: "#3C3C43"
                                opacity: 0.36
                            }
                        }
                        contentItem: Text {
                            text: choice.modelData.text
                            color: "#007AFF"
                            font.pixelSize: 17
                            font.weight: choice.modelData.accept ? Font.DemiBold : Font.Normal
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                        }
                    }
                }
            }
        }
    }
}
