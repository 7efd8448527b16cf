import QtQuick
import QtQuick.Controls
import Kestrel.Apps.Settings

// The Reset page: six blue buttons; only "Reset Home Screen Layout" acts, through a confirmation
// sheet drawn over the whole Settings screen.
Item {
    id: page
    objectName: "reset"

    property string title: "Reset"
    property bool navigationBarHidden: false
    readonly property alias model: resetModel

    ResetModel {
        id: resetModel
    }

    GroupedList {
        anchors.fill: parent
        sections: resetModel.sections
        onActivated: row => resetModel.trigger(row.action)
    }

    ActionSheet {
        objectName: "resetSheet"
        // Above the navigation bar too: the sheet belongs to the whole screen, not the page.
        parent: page.StackView.view ? page.StackView.view.parent : page
        anchors.fill: parent
        z: 100
        shown: resetModel.ResetHomeScreenLayout
        title: "This will reset your home screen layout to factory defaults."
        actionLabel: "Reset Home Screen"
        onActionChosen: resetModel.resetHomeScreen()
        onCancelled: resetModel.cancel()
    }
}
