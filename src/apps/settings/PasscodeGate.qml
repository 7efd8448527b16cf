import QtQuick
import Kestrel.App

// The page behind the Face ID / Touch ID row. Only its title for now: the passcode settings
// themselves replace this page. `screen` is the Settings root (its model carries `Password`).
Item {
    objectName: "passcodeGate"

    property string title: AppContext.device.biometryKind + " & Passcode"
    property bool navigationBarHidden: false
    property Item screen
}
