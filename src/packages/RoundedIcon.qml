import QtQuick
import Qt5Compat.GraphicalEffects
import Kestrel.Images
import Kestrel.Ui

// A source or package icon: the remote picture at `url` when there is one, else the bundled
// "CydiaIcon"; stretched to the item and clipped to a rounded square. A remote picture that
// cannot be loaded leaves the slot empty.
Item {
    id: icon

    property string url: ""
    property real radius: 8

    width: 33
    height: 33
    layer.enabled: true
    layer.effect: OpacityMask {
        maskSource: Rectangle {
            width: icon.width
            height: icon.height
            radius: icon.radius
        }
    }

    WebImage {
        objectName: "remoteIcon"
        anchors.fill: parent
        visible: icon.url !== ""
        url: icon.url
        resizable: true
    }

    Asset {
        objectName: "bundledIcon"
        anchors.fill: parent
        visible: icon.url === ""
        name: visible ? "CydiaIcon" : ""
    }
}
