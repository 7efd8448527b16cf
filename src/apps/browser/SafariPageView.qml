import QtQuick
import Kestrel.App
import Kestrel.Apps.Browser

// The page: its title in the navigation bar, the web view, and the toolbar. Showing it loads
// what the start page was given.
Item {
    id: pageView
    objectName: "pageView"

    required property SafariModel model
    required property WebViewStore store

    Component.onCompleted: model.loadInto(store)

    Rectangle {
        id: navigationBar
        objectName: "navigationBar"
        width: parent.width
        height: AppContext.device.topInset + 44
        color: "#F9F9F9"

        Text {
            objectName: "pageTitle"
            x: 16
            y: AppContext.device.topInset
            width: parent.width - 32
            height: 44
            text: pageView.store.title
            color: "black"
            font.pixelSize: 17
            font.weight: Font.DemiBold
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            Accessible.role: Accessible.TitleBar
            Accessible.name: text
        }

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 0.5
            color: "#C6C6C8"
        }
    }

    WebView {
        anchors.top: navigationBar.bottom
        anchors.bottom: toolbar.top
        width: parent.width
        store: pageView.store
    }

    SafariToolbar {
        id: toolbar
        anchors.bottom: parent.bottom
        width: parent.width
        store: pageView.store
        itemSize: pageView.model.TabItemsSize
    }
}
