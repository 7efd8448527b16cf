import QtQuick
import Kestrel.App
import Kestrel.Home
import Kestrel.Ui

// One slot of an icon page: an app tile (the calendar drawn from the clock strings), the
// Extras folder icon, or an empty slot that only takes room. A tap opens the app; a long
// press opens the tile's context menu where it has one.
Item {
    id: slotItem

    required property int slot
    required property HomeScreenModel homeModel
    required property Item home

    readonly property bool isApp: slot >= 0
    readonly property bool isFolder: slot === HomeScreenModel.ExtrasFolderSlot
    readonly property string label: isApp ? AppView.label(slot) : isFolder ? "Extras" : " "

    objectName: isApp ? "tile" + slot : isFolder ? "extrasFolderIcon" : "emptySlot"
    implicitWidth: Math.max(60, labelText.implicitWidth)
    implicitHeight: 60 + 8 + 16

    Item {
        id: tile
        anchors.horizontalCenter: parent.horizontalCenter
        width: 60
        height: 60
        opacity: area.pressed && !slotItem.isFolder ? 0.5 : 1

        RoundedPicture {
            anchors.fill: parent
            visible: slotItem.isApp && slotItem.slot !== AppView.AppCalendar
            name: visible ? AppView.icon(slotItem.slot) : ""
            radius: AppView.cornerRadius(slotItem.slot)
        }

        Loader {
            anchors.fill: parent
            active: slotItem.slot === AppView.AppCalendar
            sourceComponent: CalendarTile {
                model: slotItem.homeModel
            }
        }

        Loader {
            anchors.fill: parent
            active: slotItem.isFolder
            sourceComponent: ExtrasFolderIcon {
                model: slotItem.homeModel
            }
        }
    }

    Text {
        id: labelText
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: tile.bottom
        anchors.topMargin: 8
        height: 16
        verticalAlignment: Text.AlignVCenter
        text: slotItem.label
        color: Foreground.color
        font.pixelSize: slotItem.isApp ? AppView.labelSize(slotItem.slot) : 13
    }

    MouseArea {
        id: area
        anchors.fill: parent
        enabled: slotItem.isApp || slotItem.isFolder
        onClicked: slotItem.isFolder ? slotItem.homeModel.toggleExtraFolder() : slotItem.homeModel.openAppView(slotItem.slot)
        // Not accepted where the tile has no menu: the release then counts as a tap.
        onPressAndHold: mouse => {
            slotItem.home.contextAnchor = tile
            mouse.accepted = slotItem.homeModel.showContextMenu(slotItem.slot)
        }
    }
}
