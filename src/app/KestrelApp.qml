import QtQuick
import Kestrel.App
import Kestrel.Ui
import Kestrel.Lock

// The root: the setup screen until setup is done, then a new lock screen with white as the
// default foreground colour for it and everything it shows.
Item {
    id: root
    objectName: "kestrelApp"

    readonly property bool setupShown: !model.SetutComplete

    KestrelAppModel {
        id: model
    }

    CrossFadeView {
        id: content
        anchors.fill: parent
        easingType: Easing.OutQuad
        sourceComponent: model.SetutComplete ? lockComponent : setupComponent
    }

    // Made from its file only when shown, so a returning user's start neither compiles the setup
    // screen nor loads the layout module it uses.
    Component {
        id: setupComponent
        Loader {
            id: setupLoader
            source: "qrc:/Kestrel/App/SetupScreen.qml"
            Connections {
                target: setupLoader.item
                function onSwipeEnded(dy) { model.endSetupSwipe(dy) }
            }
        }
    }

    Component {
        id: lockComponent
        Lockscreen {
            Foreground.color: "white"
            // "Cancel" on a passcode screen: a new lock screen replaces the whole chain, which
            // can never be seen again.
            onFreshLockRequested: content.replace(Easing.InQuad)
        }
    }
}
