import QtQuick

// An inset-style list: rows on a white rounded card over the grouped grey background, separated
// by hairlines that start where the row's text does.
ListView {
    id: list

    topMargin: 20
    bottomMargin: 20
    leftMargin: 16
    rightMargin: 16
    clip: true
    boundsBehavior: Flickable.StopAtBounds

    Rectangle {
        // The card behind the rows, following them as the list scrolls.
        parent: list.contentItem
        z: -1
        x: 0
        y: list.originY
        width: list.width - list.leftMargin - list.rightMargin
        height: list.contentHeight
        radius: 10
        color: "white"
        visible: list.count > 0
    }
}
