import QtQuick

// What the decorative Settings rows open: that one text and nothing else, no title.
Item {
    objectName: "commingSoonPage"

    property string title: ""
    property bool navigationBarHidden: false

    Text {
        objectName: "commingSoonText"
        anchors.centerIn: parent
        text: "Comming Soon"
        color: "black"
        font.pixelSize: 17
    }
}
