import QtQuick
import Kestrel.App
import Kestrel.Home

// The context menu of a long-pressed tile (only the store's has one): the screen dims, the
// menu shows under the tile, and a tap anywhere else closes it.
Item {
    id: menu
    objectName: "tileContextMenu"

    required property HomeScreenModel model
    property Item anchor: null

    readonly property bool shown: model.contextMenuApp >= 0
    readonly property point anchorPoint: shown && anchor ? anchor.mapToItem(menu, 0, anchor.height) : Qt.point(0, 0)

    visible: shown

    // Made only while shown: most home screens never show their menu.
    Loader {
        anchors.fill: parent
        active: menu.shown
        sourceComponent: Item {
            MouseArea {
                anchors.fill: parent
                onClicked: menu.model.dismissContextMenu()
                Accessible.role: Accessible.Button
                Accessible.name: "Close menu"
                Accessible.onPressAction: menu.model.dismissContextMenu()
                Rectangle {
                    anchors.fill: parent
                    color: "black"
                    opacity: 0.3
                }
            }

            // The pressed tile stays bright above the dimmed screen.
            RoundedPicture {
                x: menu.anchorPoint.x
                y: menu.anchorPoint.y - height
                width: menu.anchor ? menu.anchor.width : 60
                height: width
                visible: menu.anchor !== null
                name: menu.shown ? AppView.icon(menu.model.contextMenuApp) : ""
                radius: AppView.cornerRadius(menu.model.contextMenuApp)
            }

            Rectangle {
                id: panel
                x: Math.max(12, Math.min(menu.anchorPoint.x, menu.width - width - 12))
                y: menu.anchorPoint.y + 8
                width: 250
                height: 46
                radius: 13
                color: Qt.rgba(0.95, 0.95, 0.96, 0.97)

                Text {
                    objectName: "contextMenuDelete"
                    anchors.left: parent.left
                    anchors.leftMargin: 16
                    anchors.verticalCenter: parent.verticalCenter
                    text: "Delete"
                    color: "red"
                    font.pixelSize: 17
                }
                MouseArea {
                    objectName: "contextMenuDeleteArea"
                    anchors.fill: parent
                    onClicked: menu.model.deleteFromContextMenu()
                    Accessible.role: Accessible.MenuItem
                    Accessible.name: "Delete"
                    Accessible.onPressAction: menu.model.deleteFromContextMenu()
                }
            }
        }
    }
}
