import QtQuick
import Kestrel.App
import Kestrel.Home

// One slot of an icon page: an app tile (the calendar drawn from the clock strings), the
// Extras folder icon, or an empty slot that only takes room. A tap opens the app; a long
// press opens the tile's context menu where it has one.
Item {
    id: slotItem

    required property int slot
    required property HomeScreenModel homeModel
    required property Item home
    // The page's text colour, read once there rather than by every label.
    required property color labelColor
    // Where a drawn tile (the calendar's, the folder's) is put.
    readonly property alias tile: tile

    readonly property bool isApp: slot >= 0
    readonly property bool isFolder: slot === HomeScreenModel.ExtrasFolderSlot
    readonly property string label: isApp ? AppView.label(slot) : isFolder ? "Extras" : " "

    objectName: isApp ? "tile" + slot : isFolder ? "extrasFolderIcon" : "emptySlot"
    implicitWidth: Math.max(60, labelText.implicitWidth)
    implicitHeight: 60 + 8 + 16

    // An empty slot is only room: a screen reader skips it.
    Accessible.role: isApp || isFolder ? Accessible.Button : Accessible.NoRole
    Accessible.name: isFolder ? "Extras folder" : label
    Accessible.ignored: !isApp && !isFolder
    Accessible.onPressAction: activate()

    function activate() {
        if (isFolder)
            homeModel.toggleExtraFolder()
        else
            homeModel.openAppView(slot)
    }

    // The tile: the app's picture, or nothing where a drawn tile (calendar, folder) goes on top.
    RoundedPicture {
        id: tile
        anchors.horizontalCenter: parent.horizontalCenter
        width: 60
        height: 60
        opacity: area.pressed && !slotItem.isFolder ? 0.5 : 1
        name: slotItem.isApp && slotItem.slot !== AppView.AppCalendar ? AppView.icon(slotItem.slot) : ""
        radius: AppView.cornerRadius(slotItem.slot)
    }

    Text {
        id: labelText
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: tile.bottom
        anchors.topMargin: 8
        height: 16
        verticalAlignment: Text.AlignVCenter
        text: slotItem.label
        color: slotItem.labelColor
        font.pixelSize: slotItem.isApp ? AppView.labelSize(slotItem.slot) : 13
    }

    MouseArea {
        id: area
        anchors.fill: parent
        enabled: slotItem.isApp || slotItem.isFolder
        onClicked: slotItem.activate()
        // Not accepted where the tile has no menu: the release then counts as a tap.
        onPressAndHold: mouse => {
            slotItem.home.contextAnchor = tile
            mouse.accepted = slotItem.homeModel.showContextMenu(slotItem.slot)
        }
    }
}
