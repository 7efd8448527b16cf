import QtQuick
import QtQuick.Controls
import Kestrel.Ui

// A row of the package manager's home page: an icon, a title and a chevron; 40 points high.
// `iconName` is a bundled picture name; a row may draw its own icon instead through `iconItem`.
ItemDelegate {
    id: row

    property string iconName: ""
    property Component iconItem: null
    property bool divider: false

    height: 40
    padding: 0
    focusPolicy: Qt.NoFocus
    Accessible.name: text

    background: Rectangle {
        color: row.pressed ? "#D1D1D6" : "transparent"
    }

    contentItem: Item {
        Loader {
            id: iconLoader
            x: 20
            anchors.verticalCenter: parent.verticalCenter
            width: 33
            height: 33
            sourceComponent: row.iconItem ? row.iconItem : bundled
        }
        Component {
            id: bundled
            RoundedAsset {
                name: row.iconName
            }
        }
        Text {
            objectName: "linkTitle"
            anchors.left: iconLoader.right
            anchors.leftMargin: 28
            anchors.right: chevron.left
            anchors.rightMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            text: row.text
            color: "black"
            font.pixelSize: 17
            elide: Text.ElideRight
        }
        Symbol {
            id: chevron
            anchors.right: parent.right
            anchors.rightMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            name: "chevron.right"
            size: 20
            color: "black"
        }
        Rectangle {
            visible: row.divider
            anchors.bottom: parent.bottom
            x: 20
            width: parent.width - x
            height: 0.5
            color: "#C6C6C8"
        }
    }
}
