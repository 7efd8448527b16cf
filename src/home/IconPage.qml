import QtQuick
import Kestrel.App
import Kestrel.Home

// An icon page: rows of four slots from the home screen's slot table, at the top of the page.
Item {
    id: page

    required property HomeScreenModel model
    required property Item home
    property var rows: []

    Column {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        anchors.topMargin: 15
        spacing: 20

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
                    }
                }
            }
        }
    }
}
