import QtQuick
import Kestrel.Images
import Kestrel.Ui
import Kestrel.Store

// One app of the store: its icon, its name in bold and the download badge. The badge's wide
// padding makes a row 150 points tall; rows overlap by 45, so each takes taps only in its own
// 105-point band and a tap always reaches the row drawn there.
Item {
    id: row
    objectName: "storeRow_" + name

    required property int index
    required property string name
    required property url iconUrl
    required property string installLink

    signal activated()

    height: 150

    Accessible.role: Accessible.Link
    Accessible.name: name
    Accessible.description: "Install " + name
    Accessible.onPressAction: row.activated()

    WebImage {
        id: icon
        objectName: "storeRowIcon"
        anchors.verticalCenter: parent.verticalCenter
        width: 50
        height: 50
        resizable: true
        url: row.iconUrl
        Accessible.role: Accessible.Graphic
        Accessible.name: row.name + " icon"
    }

    CornerMask {
        anchors.fill: icon
        radius: 15
        color: NamedColors.MyPurple
    }

    Text {
        objectName: "storeRowName"
        anchors.left: icon.right
        anchors.leftMargin: 8
        anchors.right: badge.left
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        text: row.name
        color: NamedColors.MyWhite
        font.pixelSize: 18
        font.bold: true
        elide: Text.ElideRight
        Accessible.ignored: true
    }

    StoreGradient {
        id: badge
        objectName: "storeRowBadge"
        // The badge's padding puts it 52 points from the end of a row that runs 20 points past
        // the screen's trailing edge.
        x: parent.width - 32 - width
        anchors.verticalCenter: parent.verticalCenter
        width: 50
        height: 50
        radius: 25
        Accessible.role: Accessible.Button
        Accessible.name: "Download " + row.name

        Symbol {
            anchors.centerIn: parent
            name: "arrow.down"
            size: 20
            color: "white"
        }
    }

    MouseArea {
        objectName: "storeRowTapArea"
        width: parent.width
        height: 105
        anchors.verticalCenter: parent.verticalCenter
        onClicked: row.activated()
        Accessible.ignored: true
    }
}
