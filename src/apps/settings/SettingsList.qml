import QtQuick
import QtQuick.Controls
import Kestrel.Apps.Settings

// The first page of Settings: the large title over the five sections. Rows push their page;
// the Face ID / Touch ID row hands the passcode gate the screen, which holds `Password`.
Item {
    id: page
    objectName: "settingsList"

    required property Item screen
    property string title: "Settings"
    property bool navigationBarHidden: false

    GroupedList {
        id: list
        objectName: "settingsRows"
        anchors.fill: parent
        sections: page.screen.model.sections
        header: Text {
            objectName: "largeTitle"
            leftPadding: 16
            topPadding: 2
            bottomPadding: 14
            text: page.title
            color: "black"
            font.pixelSize: 34
            font.weight: Font.Bold
        }
        switchValue: row => page.screen.model.AirplaneMode
        onSwitchToggled: (row, on) => page.screen.model.AirplaneMode = on
        onActivated: row => {
            if (row.page === "")
                return
            const args = row.page === "PasscodeGate.qml" ? { "screen": page.screen } : {}
            page.StackView.view.push(Qt.resolvedUrl(row.page), args)
        }
    }
}
