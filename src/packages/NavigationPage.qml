import QtQuick
import QtQuick.Controls
import Kestrel.App
import Kestrel.Ui

// One page of a navigation container: an inline title bar under the status bar (with a back
// button once the page has been pushed) and the page's content below it.
Item {
    id: page

    property string title
    property color background: "white"
    property alias leading: leadingRow.data
    property alias trailing: trailingRow.data
    default property alias content: body.data
    readonly property bool pushed: StackView.index > 0

    Rectangle {
        anchors.fill: parent
        color: page.background
    }

    Item {
        id: body
        anchors.top: bar.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        clip: true
    }

    Rectangle {
        id: bar
        objectName: "navigationBar"
        width: parent.width
        height: AppContext.device.topInset + 44
        color: "#F9F9F9"

        Text {
            objectName: "navigationTitle"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.verticalCenter: parent.bottom
            anchors.verticalCenterOffset: -22
            width: parent.width - 2 * Math.max(leadingRow.width, trailingRow.width, backButton.width) - 40
            horizontalAlignment: Text.AlignHCenter
            elide: Text.ElideRight
            text: page.title
            color: "black"
            font.pixelSize: 17
            font.weight: Font.DemiBold
        }

        Row {
            id: leadingRow
            x: 16
            y: AppContext.device.topInset
            height: 44
            spacing: 16
            visible: !page.pushed
        }

        NavButton {
            id: backButton
            objectName: "backButton"
            x: 8
            y: AppContext.device.topInset
            visible: page.pushed
            width: visible ? implicitWidth : 0
            symbol: "chevron.left"
            text: "Back"
            onClicked: page.StackView.view.pop()
        }

        Row {
            id: trailingRow
            anchors.right: parent.right
            anchors.rightMargin: 16
            y: AppContext.device.topInset
            height: 44
            spacing: 16
        }

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 0.5
            color: "#C6C6C8"
        }
    }
}
