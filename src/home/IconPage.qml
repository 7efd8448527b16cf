import QtQuick
import Kestrel.App
import Kestrel.Home
import Kestrel.Ui

// An icon page: rows of four slots from the home screen's slot table, at the top of the page.
Item {
    id: page

    required property HomeScreenModel model
    required property Item home
    property var rows: []
    readonly property color labelColor: Foreground.color

    // Rows are 20 apart; on a short screen they close up (to no less than 8) so the last row
    // stays clear of the page dots and the dock.
    readonly property int slotHeight: 60 + 8 + 16
    readonly property real fittingSpacing: rows.length > 1
            ? (height - 15 - 20 - rows.length * slotHeight) / (rows.length - 1) : 20

    Column {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        anchors.topMargin: 15
        spacing: Math.max(8, Math.min(20, page.fittingSpacing))

        Repeater {
            model: page.rows
            Row {
                id: row
                required property var modelData
                required property int index
                objectName: page.objectName + "row" + (index + 1)
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 35
                Repeater {
                    model: row.modelData
                    IconSlot {
                        required property var modelData
                        slot: modelData
                        homeModel: page.model
                        home: page.home
                        labelColor: page.labelColor
                    }
                    // A slot never changes what it holds (other rows make new slots): the drawn
                    // tiles are made once, here, rather than every slot keeping loaders for them.
                    onItemAdded: (index, item) => {
                        const drawn = item.slot === AppView.AppCalendar ? calendarTile : item.isFolder ? folderIcon : null
                        if (drawn)
                            drawn.createObject(item.tile)
                    }
                }
            }
        }
    }

    Component {
        id: calendarTile
        CalendarTile {
            model: page.model
        }
    }
    Component {
        id: folderIcon
        ExtrasFolderIcon {
            model: page.model
        }
    }
}
