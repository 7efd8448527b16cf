import QtQuick
import Qt5Compat.GraphicalEffects
import Kestrel.Ui

// A bundled picture stretched to the item and clipped to a rounded square.
Item {
    id: picture

    property string name
    property real radius: 8

    width: 33
    height: 33
    layer.enabled: true
    layer.effect: OpacityMask {
        maskSource: Rectangle {
            width: picture.width
            height: picture.height
            radius: picture.radius
        }
    }

    Asset {
        anchors.fill: parent
        name: picture.name
    }
}
