import QtQuick
import Kestrel.App
import Kestrel.Platform

// The simulator's window: the phone's screen and, above it, the hardware menu.
Window {
    id: window
    objectName: "hostWindow"

    property bool fullScreenMode: false
    readonly property Item phoneScreen: phone
    readonly property int menuHeight: fullScreenMode ? 0 : 32
    // What the phone's first frame does not show is made once it has been drawn.
    property bool firstFrameDrawn: false

    title: "Kestrel"
    color: "black"
    visible: true
    width: AppContext.device.screenWidth
    height: AppContext.device.screenHeight + menuHeight
    minimumWidth: fullScreenMode ? 0 : width
    maximumWidth: fullScreenMode ? 100000 : width
    minimumHeight: fullScreenMode ? 0 : height
    maximumHeight: fullScreenMode ? 100000 : height

    function home() { AppContext.homePressed() }
    function saveScreen() {
        const path = AppContext.simulator.nextScreenshotPath()
        // In device pixels, as drawn: on a 2x display a 390-point phone saves 780 pixels wide.
        const ratio = Screen.devicePixelRatio
        phone.grabToImage(result => {
            if (result.saveToFile(path))
                AppContext.simulator.notify("Saved " + path)
        }, Qt.size(phone.width * ratio, phone.height * ratio))
    }

    // The phone's buttons work on shortcuts too, so full screen they need no menu.
    Shortcut { sequence: "Ctrl+Shift+H"; onActivated: window.home() }
    Shortcut { sequence: "Ctrl+S"; onActivated: window.saveScreen() }

    // Loaded after the phone's first frame: the menu is not needed to draw it.
    Loader {
        id: menuLoader
        width: parent.width
        height: window.menuHeight
        active: false
        onLoaded: item.height = height
        Connections {
            target: menuLoader.item
            ignoreUnknownSignals: true
            function onHomePressed() { window.home() }
            function onSaveScreenPressed() { window.saveScreen() }
        }
    }
    // Queued rather than done here, so the frame's hand-over (and what else waits on it) ends
    // first, and the loading runs from the event loop.
    property bool afterFirstFrameQueued: false
    onFrameSwapped: {
        if (!afterFirstFrameQueued) {
            afterFirstFrameQueued = true
            Qt.callLater(window.afterFirstFrame)
        }
    }
    function afterFirstFrame() {
        firstFrameDrawn = true
        if (fullScreenMode || menuLoader.active)
            return
        menuLoader.setSource("qrc:/Kestrel/Platform/HardwareMenu.qml",
                             { device: AppContext.device, simulator: AppContext.simulator,
                               biometrics: AppContext.biometrics, contacts: AppContext.contacts })
        menuLoader.active = true
    }

    SimulatorIndicators {
        anchors.right: parent.right
        anchors.rightMargin: 8
        y: window.fullScreenMode ? 8 : (window.menuHeight - height) / 2
        torch: AppContext.torch
        haptics: AppContext.haptics
    }

    Item {
        id: phoneArea
        anchors.fill: parent
        anchors.topMargin: window.menuHeight

        Item {
            id: phone
            objectName: "phoneScreen"
            width: AppContext.device.screenWidth
            height: AppContext.device.screenHeight
            anchors.centerIn: parent
            // Full screen on a touch device: the phone fills the display, keeping its proportions.
            scale: window.fullScreenMode ? Math.min(phoneArea.width / width, phoneArea.height / height) : 1
            clip: true

            KestrelApp {
                anchors.fill: parent
            }

            HandOffBanner {
                id: banner
                anchors.top: parent.top
                anchors.topMargin: AppContext.device.topInset
                anchors.horizontalCenter: parent.horizontalCenter
                width: parent.width - 24
            }

            BiometricPrompt {
                anchors.centerIn: parent
                sensor: AppContext.biometrics
            }

            // Made after the phone's first frame (or at once if a request comes first): the
            // prompt's buttons bring in Qt Quick Controls, which the lock screen does not need.
            Loader {
                id: promptLoader
                anchors.fill: parent
                z: 900
                active: window.firstFrameDrawn || AppContext.contacts.promptShown
                Component.onCompleted: setSource("qrc:/Kestrel/Platform/ContactsPermissionPrompt.qml",
                                                 { store: AppContext.contacts })
            }

            Connections {
                target: AppContext.urlOpener
                function onHandedOff(url, opened) { banner.show(AppContext.urlOpener.announcement(url, opened)) }
            }
            Connections {
                target: AppContext.simulator
                function onNotice(message) { banner.show(message) }
            }
        }
    }
}
