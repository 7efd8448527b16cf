import QtQuick
import QtQuick.Controls
import Kestrel.Ui

// One source in the Sources list: its icon, its title ("Unknown" when it has none) over its
// address. A tap opens the repository; a swipe to the left, or the minus button in edit mode,
// shows "Delete".
SwipeDelegate {
    id: row

    required property int index
    required property string sourceId
    required property string title
    required property string repourl
    required property string repoicon
    property bool editMode: false

    signal opened(string url)
    signal deleteRequested(int row)

    objectName: "sourceRow_" + index
    height: 60
    padding: 0
    focusPolicy: Qt.NoFocus
    Accessible.name: (title === "" ? "Unknown" : title) + ", " + repourl
    onClicked: {
        if (swipe.position !== 0)
            swipe.close()
        else if (!editMode)
            row.opened(repourl)
    }
    onEditModeChanged: if (!editMode) swipe.close()

    background: Rectangle {
        color: row.pressed && !row.editMode ? "#D1D1D6" : "white"
    }

    contentItem: Item {
        Row {
            id: minus
            x: row.editMode ? 16 : -width
            anchors.verticalCenter: parent.verticalCenter
            width: 24
            Behavior on x { NumberAnimation { duration: 200; easing.type: Easing.OutQuad } }

            AbstractButton {
                objectName: "minusButton"
                width: 24
                height: 24
                visible: row.editMode
                focusPolicy: Qt.NoFocus
                Accessible.name: "Delete " + (row.title === "" ? "Unknown" : row.title)
                onClicked: row.swipe.open(SwipeDelegate.Right)
                contentItem: Symbol {
                    name: "minus.circle.fill"
                    size: 22
                    color: "#FF3B30"
                }
            }
        }

        RoundedIcon {
            id: icon
            objectName: "sourceIcon"
            x: minus.x + minus.width + 16
            anchors.verticalCenter: parent.verticalCenter
            url: row.repoicon
        }

        Column {
            anchors.left: icon.right
            anchors.leftMargin: 12
            anchors.right: chevron.left
            anchors.rightMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            spacing: 2

            Text {
                objectName: "sourceTitle"
                width: parent.width
                text: row.title === "" ? "Unknown" : row.title
                color: "black"
                font.pixelSize: 17
                elide: Text.ElideRight
            }
            Text {
                objectName: "sourceUrl"
                width: parent.width
                text: row.repourl
                color: "black"
                opacity: 0.5
                font.pixelSize: 15
                elide: Text.ElideMiddle
            }
        }

        Symbol {
            id: chevron
            anchors.right: parent.right
            anchors.rightMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            visible: !row.editMode
            width: visible ? implicitWidth : 0
            name: "chevron.right"
            size: 14
            color: "#C4C4C7"
        }

        Rectangle {
            x: icon.x
            anchors.bottom: parent.bottom
            width: parent.width - x
            height: 0.5
            color: "#C6C6C8"
        }
    }

    // Clicks on what a swipe uncovers reach it through the delegate's attached signal.
    swipe.right: Rectangle {
        objectName: "deleteButton"
        width: 80
        height: row.height
        anchors.right: parent.right
        color: SwipeDelegate.pressed ? "#D70015" : "#FF3B30"
        Accessible.role: Accessible.Button
        Accessible.name: "Delete"
        SwipeDelegate.onClicked: row.deleteRequested(row.index)

        Text {
            anchors.centerIn: parent
            text: "Delete"
            color: "white"
            font.pixelSize: 17
        }
    }
}
