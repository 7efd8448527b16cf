import QtQuick
import QtQuick.Controls
import Kestrel.Ui

// The green call face: an 85 point circle with a white phone.
AbstractButton {
    implicitWidth: 85
    implicitHeight: 85
    padding: 0

    background: Rectangle {
        radius: width / 2
        color: "#34C759"
    }

    contentItem: Item {
        Symbol {
            anchors.centerIn: parent
            name: "phone.fill"
            size: 35
            color: "white"
        }
    }
}
