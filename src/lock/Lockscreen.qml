import QtQuick
import Kestrel.App
import Kestrel.Lock
import Kestrel.Ui

// The lock screen and the router of the flow: by its flags it shows the camera placeholder,
// the home screen, the passcode screen or its own lock content, cross-fading on the curve of
// the action that changed them.
Item {
    id: lock
    objectName: "lockscreen"

    // The passcode screen inside asked for a new lock screen in its place; the flow's root
    // replaces the whole chain, since nothing of it can be seen again.
    signal freshLockRequested()

    readonly property alias model: lockModel

    LockscreenModel {
        id: lockModel
    }

    CrossFadeView {
        id: body
        anchors.fill: parent
        easingType: lockModel.transitionEasing
        sourceComponent: {
            switch (lockModel.shown) {
            case LockscreenModel.Camera: return cameraComponent
            case LockscreenModel.Home: return homeComponent
            case LockscreenModel.Passcode: return passcodeComponent
            default: return contentComponent
            }
        }
    }

    Component {
        id: contentComponent
        LockContent {
            model: lockModel
        }
    }

    Component {
        id: cameraComponent
        CameraPlaceholder {
            onCloseRequested: lockModel.closeCamera()
        }
    }

    // Once the lock screen has been drawn, the home screen is prepared in the background (its
    // types compiled, its icon pictures rendered), so "Press home to open" has less to do
    // before the home screen's first frame.
    Loader {
        id: homePreparation
        active: false
        asynchronous: true
        source: "qrc:/Kestrel/Home/HomePreparation.qml"
    }
    Connections {
        target: homePreparation.active ? null : lock.Window.window
        function onFrameSwapped() { homePreparation.active = true }
    }

    // The home and passcode screens load only when first shown, keeping the lock screen's own
    // start quick.
    Component {
        id: homeComponent
        Loader {
            objectName: "homeLoader"
            Component.onCompleted: setSource("qrc:/Kestrel/Home/HomeScreen.qml",
                                             { pageOwner: lockModel, clockStrings: lockModel.homeClockStrings() })
        }
    }

    Component {
        id: passcodeComponent
        Loader {
            id: passcodeLoader
            objectName: "passcodeLoader"
            Component.onCompleted: setSource("qrc:/Kestrel/Lock/Unlockscreen.qml")
            Connections {
                target: passcodeLoader.item
                ignoreUnknownSignals: true
                function onFreshLockRequested() { lock.freshLockRequested() }
            }
        }
    }
}
