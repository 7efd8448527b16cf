import QtQuick
import QtQuick.Controls

// Shows its content unchanged and, while `isPresented` is true, the text-entry prompt that
// `alert` describes over the whole phone screen: the field focused, Return accepts, Escape
// cancels (when there is a cancel button). Any button closes the prompt.
Item {
    id: wrapper

    property bool isPresented: false
    property TextAlert alert: TextAlert {}
    default property alias content: host.data

    function accept() {
        const text = field.text
        wrapper.isPresented = false
        wrapper.alert.action(text)
    }
    function cancel() {
        wrapper.isPresented = false
        wrapper.alert.action(undefined)
    }
    function secondary() {
        wrapper.isPresented = false
        if (wrapper.alert.secondaryAction)
            wrapper.alert.secondaryAction()
    }

    // The phone's screen when there is one, else the top of the scene, so the prompt covers
    // the tab bar and the home bar too.
    function overlayHost() {
        let item = wrapper
        while (item.parent) {
            if (item.objectName === "phoneScreen")
                return item
            item = item.parent
        }
        return item
    }

    onIsPresentedChanged: {
        if (isPresented) {
            prompt.parent = overlayHost()
            field.text = ""
            field.forceActiveFocus()
        }
    }

    Item {
        id: host
        anchors.fill: parent
    }

    Item {
        id: prompt
        objectName: "textAlert"
        anchors.fill: parent
        visible: wrapper.isPresented
        z: 850

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
            id: panel
            width: 270
            height: column.height
            anchors.centerIn: parent
            // Stays clear of an on-screen keyboard in the lower half.
            anchors.verticalCenterOffset: -parent.height / 10
            radius: 14
            color: "#F2F2F2"
            clip: true

            Column {
                id: column
                width: parent.width

                Item { width: 1; height: 19 }

                Text {
                    objectName: "alertTitle"
                    x: 16
                    width: parent.width - 32
                    text: wrapper.alert.title
                    color: "black"
                    font.pixelSize: 17
                    font.weight: Font.DemiBold
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                }

                Text {
                    objectName: "alertMessage"
                    x: 16
                    width: parent.width - 32
                    visible: text !== ""
                    text: wrapper.alert.message
                    color: "black"
                    font.pixelSize: 13
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                }

                Item { width: 1; height: 14 }

                TextField {
                    id: field
                    objectName: "alertField"
                    x: 16
                    width: parent.width - 32
                    height: 28
                    leftPadding: 6
                    rightPadding: 6
                    topPadding: 0
                    bottomPadding: 0
                    placeholderText: wrapper.alert.placeholder
                    placeholderTextColor: "#C4C4C6"
                    inputMethodHints: wrapper.alert.keyboardType
                    color: "black"
                    font.pixelSize: 13
                    verticalAlignment: TextInput.AlignVCenter
                    Accessible.name: wrapper.alert.title
                    background: Rectangle {
                        color: "white"
                        radius: 5
                        border.width: 0.5
                        border.color: "#C6C6C8"
                    }
                    Keys.onReturnPressed: wrapper.accept()
                    Keys.onEnterPressed: wrapper.accept()
                    Keys.onEscapePressed: if (wrapper.alert.cancel !== "") wrapper.cancel()
                }

                Item { width: 1; height: 16 }

                Rectangle { width: parent.width; height: 0.5; color: "#3C3C43"; opacity: 0.36 }

                // Cancel, the extra button and accept, side by side.
                Row {
                    id: buttons
                    width: parent.width
                    height: 44

                    readonly property int shown: 1 + (wrapper.alert.cancel !== "" ? 1 : 0)
                                                 + (wrapper.alert.secondaryActionTitle !== "" ? 1 : 0)

                    AlertButton {
                        objectName: "alert_cancel"
                        visible: wrapper.alert.cancel !== ""
                        width: buttons.width / buttons.shown
                        text: wrapper.alert.cancel
                        bold: true
                        onClicked: wrapper.cancel()
                    }
                    AlertButton {
                        objectName: "alert_secondary"
                        visible: wrapper.alert.secondaryActionTitle !== ""
                        width: buttons.width / buttons.shown
                        text: wrapper.alert.secondaryActionTitle
                        divider: wrapper.alert.cancel !== ""
                        onClicked: wrapper.secondary()
                    }
                    AlertButton {
                        objectName: "alert_accept"
                        width: buttons.width / buttons.shown
                        text: wrapper.alert.accept
                        divider: buttons.shown > 1
                        onClicked: wrapper.accept()
                    }
                }
            }
        }
    }
}
