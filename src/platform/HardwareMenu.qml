import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs

// The simulator's hardware menu: the device profile and the phone's buttons. The same buttons
// are on shortcuts in the window (Ctrl+Shift+H Home, Ctrl+S Save Screen).
MenuBar {
    id: menu

    required property var device      // DeviceInfo
    required property var simulator   // Simulator
    required property var biometrics  // SimulatedBiometrics
    property var contacts: null       // DesktopContactsStore, for the Contacts menu

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
        MenuSeparator {}
        MenuItem {
            objectName: "memoryWarningItem"
            text: "Simulate Memory Warning"
            onTriggered: menu.simulator.simulateMemoryWarning()
        }
    }

    // The phone's privacy setting for contacts, and the way to fill its address book.
    Menu {
        title: "Contacts"
        objectName: "contactsMenu"
        width: 300
        enabled: menu.contacts !== null

        MenuItem {
            objectName: "contactsPermissionItem"
            text: "Permission: " + (menu.contacts
                  ? ["Not Determined", "Restricted", "Denied", "Authorized", "Unknown"][menu.contacts.authorization]
                  : "")
            enabled: false
        }
        MenuSeparator {}
        MenuItem {
            objectName: "grantContactsItem"
            text: "Grant Access"
            onTriggered: menu.contacts.grant()
        }
        MenuItem {
            objectName: "denyContactsItem"
            text: "Deny Access"
            onTriggered: menu.contacts.deny()
        }
        MenuItem {
            objectName: "resetContactsItem"
            text: "Reset Permission"
            onTriggered: menu.contacts.reset()
        }
        MenuSeparator {}
        MenuItem {
            objectName: "importContactsItem"
            text: "Import Contacts\u2026"
            onTriggered: menu.importDialog.open()
        }
    }

    property FileDialog importDialog: FileDialog {
        title: "Import Contacts"
        parentWindow: menu.Window.window
        nameFilters: ["vCard files (*.vcf *.vcard)", "All files (*)"]
        onAccepted: menu.simulator.notify(menu.contacts.importContacts(selectedFile))
    }
}
