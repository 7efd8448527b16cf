import QtQuick
import QtQuick.Controls
import Kestrel.Apps.Settings

// The General page: nine sections of plain rows, Shut Down in blue. Every time the page comes to
// the top of the stack (pushed, or returned to) it starts one update check; the answer lives in
// this page's model and goes with it.
Item {
    id: page
    objectName: "general"

    property string title: "General"
    property bool navigationBarHidden: false
    readonly property alias model: generalModel

    GeneralModel {
        id: generalModel
    }

    StackView.onActivated: generalModel.checkForUpdates()

    GroupedList {
        anchors.fill: parent
        sections: generalModel.sections
        onActivated: row => {
            if (row.action === "shutDown")
                GeneralModel.shutDown()
            else if (row.page === "SoftwareUpdate.qml")
                page.StackView.view.push(Qt.resolvedUrl(row.page), { "general": generalModel })
            else if (row.page !== "")
                page.StackView.view.push(Qt.resolvedUrl(row.page))
        }
    }
}
