import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs

// The simulator's hardware menu: the device profile and the phone's buttons. The same buttons
// are on shortcuts in the window (Ctrl+Shift+H Home, Ctrl+S Save Screen) and in the biometric
// prompt (Ctrl+M, Ctrl+N); each item shows its shortcut on the right, as desktop menus do.
MenuBar {
    id: menu

    // A menu item with its shortcut's text beside it. The shortcut itself lives where it works
    // without the menu (full screen has none), so the item only shows it.
    component ShortcutItem: MenuItem {
        id: item
        property string shortcut
        Accessible.name: text
        contentItem: Item {
            implicitWidth: label.implicitWidth + keys.implicitWidth + 24
            implicitHeight: label.implicitHeight
            readonly property color ink: item.highlighted ? item.palette.brightText : item.palette.windowText
            Text {
                id: label
                anchors.verticalCenter: parent.verticalCenter
                text: item.text
                font: item.font
                color: parent.ink
                opacity: item.enabled ? 1 : 0.5
            }
            Text {
                id: keys
                objectName: item.objectName + "Shortcut"
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                text: item.shortcut
                font: item.font
                color: parent.ink
                opacity: item.enabled ? 0.6 : 0.3
            }
        }
    }

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
            Accessible.name: text
            objectName: "deviceProfileItem"
            text: menu.device.profileName
            enabled: false
        }
        MenuSeparator {}
        MenuItem {
            Accessible.name: text
            objectName: "biometricsEnrolledItem"
            text: "Biometrics Enrolled"
            checkable: true
            checked: menu.biometrics.enrolled
            onToggled: menu.biometrics.enrolled = checked
        }
        MenuSeparator {}
        // While a biometric check runs, the sensor's answer.
        ShortcutItem {
            objectName: "matchingItem"
            text: "Matching " + menu.biometrics.kind
            shortcut: "Ctrl+M"
            enabled: menu.biometrics.evaluating
            onTriggered: menu.biometrics.answer(0)
        }
        ShortcutItem {
            objectName: "nonMatchingItem"
            text: "Non-matching " + menu.biometrics.kind
            shortcut: "Ctrl+N"
            enabled: menu.biometrics.evaluating
            onTriggered: menu.biometrics.answer(1)
        }
        MenuSeparator {}
        ShortcutItem {
            objectName: "homeItem"
            text: "Home"
            shortcut: "Ctrl+Shift+H"
            onTriggered: menu.homePressed()
        }
        ShortcutItem {
            objectName: "saveScreenItem"
            text: "Save Screen"
            shortcut: "Ctrl+S"
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
            Accessible.name: text
            objectName: "contactsPermissionItem"
            text: "Permission: " + (menu.contacts
                  ? ["Not Determined", "Restricted", "Denied", "Authorized", "Unknown"][menu.contacts.authorization]
                  : "")
            enabled: false
        }
        MenuSeparator {}
        MenuItem {
            Accessible.name: text
            objectName: "grantContactsItem"
            text: "Grant Access"
            onTriggered: menu.contacts.grant()
        }
        MenuItem {
            Accessible.name: text
            objectName: "denyContactsItem"
            text: "Deny Access"
            onTriggered: menu.contacts.deny()
        }
        MenuItem {
            Accessible.name: text
            objectName: "resetContactsItem"
            text: "Reset Permission"
            onTriggered: menu.contacts.reset()
        }
        MenuSeparator {}
        MenuItem {
            Accessible.name: text
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
