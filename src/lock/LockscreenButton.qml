import QtQuick
import Kestrel.Ui

// A circular lock-screen button: a symbol with 17 points around it on a white circle, solid
// while active and faint otherwise; the label grows to 1.4 times while pressed.
Item {
    id: button

    property string symbol
    property int symbolSize: 30
    property bool active: false
    readonly property bool pressed: area.pressed
    signal clicked()

    implicitWidth: label.implicitWidth
    Accessible.role: Accessible.Button
    Accessible.onPressAction: button.clicked()
    implicitHeight: label.implicitHeight

    Item {
        id: label
        anchors.centerIn: parent
        implicitWidth: glyph.implicitWidth + 34
        implicitHeight: glyph.implicitHeight + 34
        width: Math.max(implicitWidth, implicitHeight)
        height: width
        scale: button.pressed ? 1.4 : 1.0
        Behavior on scale { NumberAnimation { duration: 350; easing.type: Easing.InQuad } }

        Rectangle {
            anchors.fill: parent
            radius: width / 2
            color: "white"
            opacity: button.active ? 1.0 : 0.2
        }
        Symbol {
            id: glyph
            anchors.centerIn: parent
            name: button.symbol
            size: button.symbolSize
            color: button.active ? "black" : "white"
        }
    }

    MouseArea {
        id: area
        anchors.fill: label
        onClicked: button.clicked()
    }
}
