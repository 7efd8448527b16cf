import QtQuick
import QtQuick.Controls
import Kestrel.Apps.Settings

// Behind the Face ID / Touch ID row: asks for the stored passcode, then shows the passcode
// settings. The digits typed belong to the Settings screen, so the right code holds until the
// Settings app is closed.
Item {
    id: page
    objectName: "passcodeGate"

    // The Settings screen; its model owns "Password".
    property Item screen: null
    property string title: gate.showsSettings ? (content.item ? content.item.title : "") : "Enter Passcode"
    property bool navigationBarHidden: false

    PasscodeGateModel {
        id: gate
        screenModel: page.screen ? page.screen.model : null
    }

    Loader {
        id: content
        objectName: "gateContent"
        anchors.fill: parent
        // Each time the gate lets the user through, the settings page starts afresh.
        sourceComponent: gate.showsSettings ? settingsPage : enterPasscode
    }

    Component {
        id: settingsPage
        FaceIDPasscodeView {
            stackView: page.StackView.view
            current: page.StackView.status === StackView.Active
        }
    }

    Component {
        id: enterPasscode
        PasscodeKeypad {
            objectName: "enterPasscode"
            heading: "Enter Passcode"
            count: gate.Password.length
            onDigitPressed: digit => gate.pressDigit(digit)
        }
    }
}
