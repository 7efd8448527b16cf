import QtQuick
import QtQuick.Controls

// The simulator's hardware menu: the device profile and the phone's buttons. The same buttons
// are on shortcuts in the window (Ctrl+Shift+H Home, Ctrl+S Save Screen).
MenuBar {
    id: menu

    required property var device      // DeviceInfo
    required property var simulator   // Simulator
    required property var biometrics  // SimulatedBiometrics

    signal homePressed()
    signal saveScreenPressed()

    Menu {
        title: "Hardware"
        objectName: "hardwareMenu"
        width: 300

        MenuItem {
            objectName: "deviceProfileItem"
            text: menu.device.profileName
            enabled: false
        }
        MenuSeparator {}
        MenuItem {
            objectName: "biometricsEnrolledItem"
            text: "Biometrics Enrolled"
            checkable: true
            checked: menu.biometrics.enrolled
            onToggled: menu.biometrics.enrolled = checked
        }
        MenuSeparator {}
        MenuItem {
            objectName: "homeItem"
            text: "Home  (Ctrl+Shift+H)"
            onTriggered: menu.homePressed()
        }
        MenuItem {
            objectName: "saveScreenItem"
            text: "Save Screen  (Ctrl+S)"
            onTriggered: menu.saveScreenPressed()
        }
    }
}
