import QtQuick
import QtQuick.Controls

// The system's contacts permission prompt, drawn by the simulator above the phone's screens
// while a request waits for the user. It blocks every touch below it.
Item {
    id: prompt
    objectName: "contactsPermissionPrompt"

    property var store: null // DesktopContactsStore

    visible: store !== null && store.promptShown
    z: 900

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
        id: alert
        width: 270
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
                height: title.implicitHeight + 40

                Text {
                    id: title
                    objectName: "promptTitle"
                    anchors.centerIn: parent
                    width: parent.width - 32
                    text: "\u201CKestrel\u201D Would Like to Access Your Contacts"
                    color: "black"
                    font.pixelSize: 17
                    font.weight: Font.DemiBold
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                }
            }

            Rectangle { width: parent.width; height: 0.5; color: "#3C3C43"; opacity: 0.36 }

            Row {
                width: parent.width
                height: 44

                Repeater {
                    model: [{ text: "Don\u2019t Allow", allow: false, name: "dontAllowButton" },
                            { text: "OK", allow: true, name: "okButton" }]

                    AbstractButton {
                        id: choice
                        required property var modelData
                        required property int index

                        objectName: modelData.name
                        width: parent.width / 2
                        height: parent.height
                        onClicked: prompt.store.answerPrompt(modelData.allow)

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
                            font.weight: choice.modelData.allow ? Font.DemiBold : Font.Normal
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                        }
                    }
                }
            }
        }
    }
}
