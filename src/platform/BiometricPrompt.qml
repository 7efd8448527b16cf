import QtQuick

// The simulator's system overlay while a biometric check runs: the sensor kind, the reason,
// and the user's answer (also on Ctrl+M, Ctrl+N and Escape). Drawn above the shell's screens.
Rectangle {
    id: prompt
    objectName: "biometricPrompt"

    required property var sensor // SimulatedBiometrics

    visible: sensor.evaluating
    width: 260
    height: body.implicitHeight + 28
    radius: 16
    color: "#F2F4F4F6"
    border.color: "#33000000"
    z: 2000

    Shortcut { enabled: prompt.visible; sequence: "Ctrl+M"; onActivated: prompt.sensor.answer(0) }
    Shortcut { enabled: prompt.visible; sequence: "Ctrl+N"; onActivated: prompt.sensor.answer(1) }
    Shortcut { enabled: prompt.visible; sequence: "Escape"; onActivated: prompt.sensor.answer(2) }

    // Made when a check first runs: even hidden, its texts would be laid out (in a weight nothing
    // else on the lock screen uses) before the shell's first frame.
    Loader {
        id: body
        anchors.centerIn: parent
        width: parent.width - 28
        active: false
        sourceComponent: Component {
            Column {
                id: column
                spacing: 10

                Text {
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    text: prompt.sensor.kind
                    font.pixelSize: 17
                    font.weight: Font.DemiBold
                    color: "black"
                }
                Text {
                    objectName: "biometricReason"
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.Wrap
                    text: prompt.sensor.reason
                    font.pixelSize: 13
                    color: "#3C3C43"
                }
                Repeater {
                    model: [["Matching", "Ctrl+M"], ["Non-matching", "Ctrl+N"], ["Cancel", "Esc"]]
                    Rectangle {
                        required property var modelData
                        required property int index
                        objectName: "biometricAnswer" + index
                        width: column.width
                        height: 36
                        radius: 8
                        color: area.pressed ? "#D1D1D6" : "white"
                        Text {
                            anchors.centerIn: parent
                            text: parent.modelData[0] + "  (" + parent.modelData[1] + ")"
                            font.pixelSize: 15
                            color: index === 2 ? "#FF3B30" : "#007AFF"
                        }
                        MouseArea {
                            id: area
                            anchors.fill: parent
                            onClicked: prompt.sensor.answer(parent.index)
                        }
                    }
                }
            }
        }
    }
    onVisibleChanged: if (visible) body.active = true
    Component.onCompleted: if (visible) body.active = true
}
