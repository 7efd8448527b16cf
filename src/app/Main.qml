import QtQuick
import QtQuick.Controls
import Kestrel.App
import Kestrel.Platform

// The simulator's window: the phone's screen and, above it, the hardware menu.
ApplicationWindow {
    id: window
    objectName: "hostWindow"

    property bool fullScreenMode: false
    readonly property Item phoneScreen: phone

    title: "Kestrel"
    color: "black"
    visible: true
    width: AppContext.device.screenWidth
    height: AppContext.device.screenHeight + (menuBar ? menuBar.height : 0)
    minimumWidth: fullScreenMode ? 0 : width
    maximumWidth: fullScreenMode ? 100000 : width
    minimumHeight: fullScreenMode ? 0 : height
    maximumHeight: fullScreenMode ? 100000 : height
    menuBar: fullScreenMode ? null : hardwareMenu

    HardwareMenu {
        id: hardwareMenu
        device: AppContext.device
        simulator: AppContext.simulator
        screen: phone
        onHomePressed: AppContext.homePressed()
    }

    Item {
        id: phone
        objectName: "phoneScreen"
        width: AppContext.device.screenWidth
        height: AppContext.device.screenHeight
        anchors.centerIn: parent
        // Full screen on a touch device: the phone fills the display, keeping its proportions.
        scale: window.fullScreenMode ? Math.min(window.contentItem.width / width, window.contentItem.height / height) : 1
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

        Connections {
            target: AppContext.urlOpener
            function onHandedOff(url) { banner.show("Opened " + url) }
        }
        Connections {
            target: AppContext.simulator
            function onNotice(message) { banner.show(message) }
        }
    }
}
