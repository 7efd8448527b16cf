import QtQuick
import Kestrel.App
import Kestrel.Lock
import Kestrel.Ui

// The passcode screen: its keypad until the passcode is accepted, then the home screen in its
// place; "Cancel" asks for a new lock screen in its place.
Item {
    id: unlock
    objectName: "unlockscreen"

    signal freshLockRequested()

    readonly property alias model: unlockModel

    UnlockscreenModel {
        id: unlockModel
        onShownChanged: if (shown === UnlockscreenModel.NewLockscreen) unlock.freshLockRequested()
    }

    CrossFadeView {
        anchors.fill: parent
        easingType: unlockModel.transitionEasing
        sourceComponent: unlockModel.shown === UnlockscreenModel.Home ? homeComponent
                       : unlockModel.shown === UnlockscreenModel.Keypad ? keypadComponent : null
    }

    Component {
        id: keypadComponent
        KeypadContent {
            model: unlockModel
        }
    }

    Component {
        id: homeComponent
        Loader {
            objectName: "homeLoader"
            Component.onCompleted: setSource("qrc:/Kestrel/Home/HomeScreen.qml",
                                             { pageOwner: unlockModel, clockStrings: unlockModel.homeClockStrings() })
        }
    }
}
