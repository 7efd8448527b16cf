import QtQuick
import Kestrel.Apps.Browser
import Kestrel.Ui

// A social profile opened from the home tab, in the home screen's one web view: loaded each
// time the page comes on screen, titled with the page's own title, "Reload" reloads it.
NavigationPage {
    id: page
    objectName: "cydiaWebPage"

    property string address
    property WebViewStore store

    title: store ? store.title : ""
    trailing: NavButton {
        objectName: "webReloadButton"
        text: "Reload"
        onClicked: if (page.store) page.store.reload()
    }

    WebView {
        objectName: "webArea"
        anchors.fill: parent
        store: page.store
    }

    Component.onCompleted: if (store) store.load(address)
}
