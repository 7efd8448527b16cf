import QtQuick
import Kestrel.App

// A grouped list: rounded white section cards on the grouped background, rows separated by
// hairlines that start under the label. `sections` is a list of row tables (see SettingsRows);
// a tapped row is reported through `activated`. `header` sits above the first section.
Flickable {
    id: list

    property var sections: []
    property Component header: null
    // Per-row state the table cannot hold (the Airplane Mode switch).
    property var switchValue: function(row) { return false }
    signal activated(var row, int section, int index)
    signal switchToggled(var row, bool on)

    contentWidth: width
    contentHeight: content.height + AppContext.device.bottomInset + 35
    boundsBehavior: Flickable.DragOverBounds
    clip: true

    Column {
        id: content
        width: list.width
        spacing: 35
        topPadding: list.header ? 0 : 35

        Loader {
            width: parent.width
            sourceComponent: list.header
            active: list.header !== null
            visible: active
        }

        Repeater {
            model: list.sections

            Rectangle {
                id: card
                objectName: "section" + index

                readonly property int sectionIndex: index
                readonly property var rows: modelData

                x: 16
                width: list.width - 32
                height: rowColumn.height
                radius: 10
                color: "white"

                Column {
                    id: rowColumn
                    width: parent.width

                    Repeater {
                        model: card.rows

                        SettingsRow {
                            width: rowColumn.width
                            row: modelData
                            first: index === 0
                            switchOn: list.switchValue(modelData)
                            onClicked: list.activated(modelData, card.sectionIndex, index)
                            onToggled: on => list.switchToggled(modelData, on)
                        }
                    }
                }
            }
        }
    }
}
