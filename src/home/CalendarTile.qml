import QtQuick
import Kestrel.Home

// The calendar's tile is drawn, not a picture: the weekday in red over the day of the month,
// both as this home screen's clock strings have them.
Rectangle {
    id: tile
    objectName: "calendarTile"

    required property HomeScreenModel model

    width: 60
    height: 60
    radius: 15
    color: "white"
    clip: true

    Column {
        anchors.centerIn: parent
        width: parent.width
        Text {
            objectName: "calendarDay"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: tile.model.KestrelDay
            color: "red"
            font.pixelSize: 28 // the title text style
            elide: Text.ElideRight
        }
        Text {
            objectName: "calendarDayOfMonth"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: tile.model.KestrelDayOfMonth
            color: "black"
            font.pixelSize: 30
            font.weight: Font.Light
        }
    }
}
