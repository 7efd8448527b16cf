import QtQuick
import QtQuick.Controls
import Kestrel.App
import Kestrel.Apps.Settings

// The Settings app: a navigation stack under a navigation bar, starting at the grouped list.
// Every pushed page is an Item with `property string title` (shown inline in the bar, empty for
// none) and `property bool navigationBarHidden` (true for full-screen pages); pages push further
// pages through StackView.view, and the bar's back button pops. Each opening makes a new screen
// and a new model, so the view state starts afresh.
Rectangle {
    id: settings
    objectName: "settings"

    readonly property alias model: screenModel
    readonly property alias stack: stack

    color: "#F2F2F7"

    SettingsScreenModel {
        id: screenModel
    }

    StackView {
        id: stack
        objectName: "settingsStack"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        y: navigationBar.shown ? navigationBar.y + navigationBar.height : 0
        height: parent.height - y
        initialItem: SettingsList {
            screen: settings
        }
    }

    NavigationBar {
        id: navigationBar
        width: parent.width
        topInset: AppContext.device.topInset
        stack: stack
    }
}
