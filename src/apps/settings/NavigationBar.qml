import QtQuick
import QtQuick.Controls
import Kestrel.Ui

// The bar above the Settings stack: the current page's title inline and, below the first page,
// a blue back button named after the page it returns to. The first page shows its title large
// itself, so the bar stays empty there.
Rectangle {
    id: bar
    objectName: "navigationBar"

    required property StackView stack
    property int topInset: 0
    readonly property Item page: stack.currentItem
    readonly property bool shown: !(page && page.navigationBarHidden === true)
    readonly property Item previousPage: stack.depth > 1 ? stack.get(stack.depth - 2, StackView.DontLoad) : null

    y: shown ? 0 : -height
    height: topInset + 44
    visible: shown
    color: "#F9F9F9"

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 0.5
        color: "#C6C6C8"
        visible: bar.stack.depth > 1
    }

    Item {
        id: content
        anchors.fill: parent
        anchors.topMargin: bar.topInset

        Text {
            objectName: "navigationTitle"
            anchors.centerIn: parent
            width: parent.width - 2 * Math.max(backButton.width, 60)
            horizontalAlignment: Text.AlignHCenter
            elide: Text.ElideRight
            text: bar.stack.depth > 1 && bar.page ? bar.page.title : ""
            color: "black"
            font.pixelSize: 17
            font.weight: Font.DemiBold
        }

        AbstractButton {
            id: backButton
            objectName: "backButton"
            anchors.verticalCenter: parent.verticalCenter
            x: 8
            height: 44
            width: Math.min(backRow.implicitWidth + 8, content.width / 3)
            visible: bar.stack.depth > 1
            enabled: visible && !bar.stack.busy
            Accessible.name: backLabel.text === "Back" ? "Back" : "Back to " + backLabel.text
            onClicked: bar.stack.pop()

            contentItem: Row {
                id: backRow
                spacing: 2
                opacity: backButton.pressed ? 0.3 : 1
                Symbol {
                    anchors.verticalCenter: parent.verticalCenter
                    name: "chevron.left"
                    size: 20
                    color: "#007AFF"
                }
                Text {
                    id: backLabel
                    anchors.verticalCenter: parent.verticalCenter
                    width: Math.min(implicitWidth, content.width / 3 - 30)
                    elide: Text.ElideRight
                    text: bar.previousPage && bar.previousPage.title !== "" ? bar.previousPage.title : "Back"
                    color: "#007AFF"
                    font.pixelSize: 17
                }
            }
            background: null
        }
    }
}
