import QtQuick
import QtQuick.Controls

// The simulator's hardware menu: the device profile and the phone's buttons, also on shortcuts
// so they work full screen where the menu bar is hidden.
MenuBar {
    id: menu

    required property var device      // DeviceInfo
    required property var simulator   // Simulator
    required property Item screen     // what "Save Screen" captures

    signal homePressed()

    function saveScreen() {
        const path = simulator.nextScreenshotPath()
        screen.grabToImage(result => {
            if (result.saveToFile(path))
                simulator.notify("Saved " + path)
        })
    }

    Menu {
        title: "Hardware"
        objectName: "hardwareMenu"

        MenuItem {
            objectName: "deviceProfileItem"
            text: menu.device.profileName
            enabled: false
        }
        MenuSeparator {}
        Action {
            id: homeAction
            objectName: "homeAction"
            text: "Home"
            shortcut: "Ctrl+Shift+H"
            onTriggered: menu.homePressed()
        }
        Action {
            id: saveAction
            objectName: "saveScreenAction"
            text: "Save Screen"
            shortcut: "Ctrl+S"
            onTriggered: menu.saveScreen()
        }
    }
}
