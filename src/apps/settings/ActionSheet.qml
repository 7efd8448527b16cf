import QtQuick
import QtQuick.Controls
import Kestrel.App

// An action sheet in the shell's own style: the screen dims and a card of a title and one action
// rises from the bottom, with a separate Cancel button under it. Tapping the dimmed area cancels.
Item {
    id: sheet

    property bool shown: false
    property string title
    property string actionLabel
    signal actionChosen()
    signal cancelled()

    visible: shown || dim.opacity > 0
    enabled: shown

    Rectangle {
        id: dim
        anchors.fill: parent
        color: "#66000000"
        opacity: sheet.shown ? 1 : 0
        Behavior on opacity { NumberAnimation { duration: 350; easing.type: Easing.InOutQuad } }

        MouseArea {
            anchors.fill: parent
            onClicked: sheet.cancelled()
        }
    }

    Column {
        id: cards
        x: 8
        width: parent.width - 16
        spacing: 8
        y: sheet.shown ? parent.height - height - 8 - AppContext.device.bottomInset : parent.height
        Behavior on y { NumberAnimation { duration: 350; easing.type: Easing.OutQuad } }

        Rectangle {
            width: parent.width
            height: titleText.height + actionButton.height
            radius: 13
            color: "#F2F2F2"
            clip: true

            Text {
                id: titleText
                objectName: "sheetTitle"
                width: parent.width
                topPadding: 14
                bottomPadding: 14
                leftPadding: 16
                rightPadding: 16
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: sheet.title
                color: "#8A8A8E"
                font.pixelSize: 13
                font.weight: Font.DemiBold
            }
            Rectangle {
                y: titleText.height
                width: parent.width
                height: 0.5
                color: "#C6C6C8"
            }
            SheetButton {
                id: actionButton
                objectName: "sheetAction"
                y: titleText.height
                width: parent.width
                text: sheet.actionLabel
                onClicked: sheet.actionChosen()
            }
        }

        Rectangle {
            width: parent.width
            height: 57
            radius: 13
            color: "white"
            SheetButton {
                objectName: "sheetCancel"
                anchors.fill: parent
                text: "Cancel"
                font.weight: Font.DemiBold
                onClicked: sheet.cancelled()
            }
        }
    }

    component SheetButton: AbstractButton {
        id: button
        height: 57
        font.pixelSize: 20
        Accessible.name: text
        background: Rectangle {
            color: button.pressed ? "#1F000000" : "transparent"
        }
        contentItem: Text {
            text: button.text
            font: button.font
            color: "#007AFF"
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }
}
