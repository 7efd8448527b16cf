import QtQuick
import Kestrel.App
import Kestrel.Home

// The bar over an open real app: an upward swipe of any length on it returns home; a
// downward or level one, or a tap, does nothing. Its grab area is wider and taller than the
// bar itself and invisible.
Item {
    id: bar
    objectName: "homeBar"

    required property HomeScreenModel model

    anchors.horizontalCenter: parent.horizontalCenter
    anchors.bottom: parent.bottom
    anchors.bottomMargin: model.homeBarBottomMargin
    width: AppContext.device.screenWidth / 2
    height: 30

    Rectangle {
        objectName: "homeBarPill"
        anchors.centerIn: parent
        width: 152
        height: 6
        radius: 3
        color: bar.model.homeBarWhite ? "white" : "black"
    }

    MouseArea {
        id: grab
        objectName: "homeBarGrabArea"
        anchors.fill: parent
        property real startY: 0
        onPressed: mouse => startY = mouse.y
        onReleased: mouse => bar.model.endHomeBarSwipe(mouse.y - startY)
        // A screen reader's "press" is the swipe up.
        Accessible.role: Accessible.Button
        Accessible.name: "Home"
        Accessible.onPressAction: bar.model.endHomeBarSwipe(-height)
    }
}
