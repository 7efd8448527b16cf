import QtQuick
import Kestrel.Ui

// A social profile opened from the home tab. Its title is the page's own; "Reload" reloads it.
NavigationPage {
    id: page
    objectName: "cydiaWebPage"

    property string address

    title: ""
    trailing: NavButton {
        objectName: "webReloadButton"
        text: "Reload"
    }

    Item {
        objectName: "webArea"
        anchors.fill: parent
    }
}
