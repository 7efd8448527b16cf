import QtQuick
import Kestrel.Apps.Browser

// Shows the web view of a WebViewStore as it is, filling this item, and the page's script
// dialogs over it, inside the phone.
Item {
    id: frame
    objectName: "webView"

    property WebViewStore store
    readonly property Item view: store ? store.webView : null

    clip: true
    Accessible.role: Accessible.Grouping
    Accessible.name: store ? store.title : ""

    Component.onCompleted: if (store) store.makeView()
    onStoreChanged: if (store) store.makeView()
    onViewChanged: {
        if (view) {
            view.parent = frame
            view.anchors.fill = frame
        }
    }

    WebDialog {
        anchors.fill: parent
        store: frame.store
        z: 1
    }
}
