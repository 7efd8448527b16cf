import QtQuick
import QtQuick.Controls

// The phone's on/off switch: a green pill when on, grey when off, with a white knob.
Switch {
    id: control

    implicitWidth: 51
    implicitHeight: 31
    padding: 0

    indicator: Rectangle {
        width: 51
        height: 31
        radius: height / 2
        color: control.checked ? "#34C759" : "#E9E9EA"
        Behavior on color { ColorAnimation { duration: 200 } }

        Rectangle {
            x: control.checked ? parent.width - width - 2 : 2
            y: 2
            width: 27
            height: 27
            radius: height / 2
            color: "white"
            border.color: "#1F000000"
            border.width: 0.5
            Behavior on x { NumberAnimation { duration: 200; easing.type: Easing.InOutQuad } }
        }
    }
    contentItem: null
}
