import QtQuick

// The simulator's small indicators: the torch while it is lit, and a brief pulse for every
// haptic impact.
Row {
    id: indicators
    objectName: "simulatorIndicators"

    required property var torch    // SysfsTorch
    required property var haptics  // DesktopHaptics

    spacing: 6
    z: 2000

    Rectangle {
        objectName: "torchIndicator"
        width: 16
        height: 16
        radius: 8
        visible: indicators.torch.lit
        color: "#FFE066"
        border.color: "#B38F00"
        // Made when the torch is first lit: the bold letter alone would load a font weight
        // before the shell's first frame.
        Loader {
            id: torchLetter
            anchors.centerIn: parent
            active: false
            sourceComponent: Component {
                Text { text: "T"; font.pixelSize: 10; font.bold: true; color: "#5C4600" }
            }
        }
        onVisibleChanged: if (visible) torchLetter.active = true
        Component.onCompleted: if (visible) torchLetter.active = true
    }

    Rectangle {
        id: pulse
        objectName: "hapticIndicator"
        width: 16
        height: 16
        radius: 8
        color: "#7F5AF0"
        opacity: 0
        Connections {
            target: indicators.haptics
            function onImpacted() { pulseAnimation.restart() }
        }
        SequentialAnimation {
            id: pulseAnimation
            NumberAnimation { target: pulse; property: "opacity"; to: 1; duration: 40 }
            NumberAnimation { target: pulse; property: "opacity"; to: 0; duration: 260 }
        }
    }
}
