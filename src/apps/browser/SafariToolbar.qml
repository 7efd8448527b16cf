import QtQuick
import QtQuick.Controls
import Kestrel.App
import Kestrel.Home
import Kestrel.Ui
import Kestrel.Apps.Browser

// Back and forward at the leading edge, blue only while the page can go that way; share,
// bookmarks and tabs at the trailing edge, which do nothing.
BlurView {
    id: toolbar
    objectName: "toolbar"

    required property WebViewStore store
    property real itemSize: 25
    readonly property real barHeight: AppContext.device.screenHeight / 15

    style: 12
    height: barHeight + AppContext.device.bottomInset

    component ToolbarButton: AbstractButton {
        id: button
        property string symbol
        width: icon.width + 8
        height: toolbar.barHeight
        focusPolicy: Qt.NoFocus
        contentItem: Item {}
        background: Symbol {
            id: icon
            anchors.centerIn: parent
            name: button.symbol
            size: toolbar.itemSize
            color: button.enabled ? "#007AFF" : "#8E8E93"
            opacity: button.pressed ? 0.4 : 1
        }
    }

    Rectangle {
        width: parent.width
        height: 0.5
        color: "#C6C6C8"
    }

    Row {
        x: 15
        spacing: 30

        ToolbarButton {
            objectName: "backButton"
            symbol: "chevron.left"
            enabled: toolbar.store.canGoBack
            Accessible.name: "Back"
            onClicked: toolbar.store.goBack()
        }
        ToolbarButton {
            objectName: "forwardButton"
            symbol: "chevron.right"
            enabled: toolbar.store.canGoForward
            Accessible.name: "Forward"
            onClicked: toolbar.store.goForward()
        }
    }

    Row {
        anchors.right: parent.right
        anchors.rightMargin: 15
        spacing: 30

        ToolbarButton {
            objectName: "shareButton"
            symbol: "square.and.arrow.up"
            Accessible.name: "Share"
        }
        ToolbarButton {
            objectName: "bookmarksButton"
            symbol: "book"
            Accessible.name: "Bookmarks"
        }
        ToolbarButton {
            objectName: "tabsButton"
            symbol: "square.on.square"
            Accessible.name: "Tabs"
        }
    }
}
