import QtQuick
import Kestrel.App
import Kestrel.Apps.Browser

// The browser: the start page until an address or a favourite is chosen, then the page view.
// Nothing leads back to the start page; opening the app again starts afresh.
Rectangle {
    id: safari
    objectName: "safari"

    readonly property alias model: safariModel
    readonly property alias webViewStore: store

    color: "white"

    SafariModel {
        id: safariModel
    }

    WebViewStore {
        id: store
    }

    SafariStartPage {
        anchors.fill: parent
        visible: !safariModel.ShowingWebView
        model: safariModel
    }

    Loader {
        objectName: "pageViewLoader"
        anchors.fill: parent
        active: safariModel.ShowingWebView
        sourceComponent: SafariPageView {
            model: safariModel
            store: store
        }
    }
}
