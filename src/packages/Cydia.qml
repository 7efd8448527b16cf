import QtQuick
import QtQuick.Controls
import Kestrel.App
import Kestrel.Packages
import Kestrel.Ui

// The package manager: five tabs, the first shown on every opening. A tab's page is made the
// first time it is chosen and then kept, as a tab view keeps its pages.
Rectangle {
    id: cydia
    objectName: "cydia"

    // The selected tab's tag, 1 to 5.
    property int currentPage: 1
    readonly property alias tweaks: tweaksModel

    color: "white"
    Foreground.color: "black"

    Setting {
        id: dockOpacity
        key: "Dock_Opacity"
        defaultValue: 1
    }
    Tweaks {
        id: tweaksModel
    }

    readonly property var tabs: [
        { tag: 1, label: "Cydia", symbol: "star", selectedSymbol: "star.fill", name: "homeTab" },
        { tag: 2, label: "Sources", symbol: "rectangle.stack", selectedSymbol: "rectangle.stack.fill", name: "sourcesTab" },
        { tag: 3, label: "Chnages", symbol: "clock", selectedSymbol: "clock.fill", name: "changesTab" },
        { tag: 4, label: "Installed", symbol: "square.and.arrow.down", selectedSymbol: "square.and.arrow.down.fill", name: "installedTab" },
        { tag: 5, label: "Search", symbol: "magnifyingglass", selectedSymbol: "magnifyingglass", name: "searchTab" }
    ]

    Item {
        id: pages
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: tabBar.top

        Loader {
            objectName: "homePage"
            anchors.fill: parent
            visible: cydia.currentPage === 1
            active: false
            // Made the first time its tab is chosen, then kept.
            onVisibleChanged: if (visible) active = true
            Component.onCompleted: if (visible) active = true
            source: "CydiaHome.qml"
        }
        Loader {
            objectName: "sourcesPage"
            anchors.fill: parent
            visible: cydia.currentPage === 2
            active: false
            // Made the first time its tab is chosen, then kept.
            onVisibleChanged: if (visible) active = true
            Component.onCompleted: if (visible) active = true
            source: "CydiaSources.qml"
        }
        Text {
            objectName: "changesPage"
            anchors.centerIn: parent
            visible: cydia.currentPage === 3
            text: "Chnages"
            color: cydia.Foreground.color
            font.pixelSize: 17
        }
        Item {
            objectName: "installedPage"
            anchors.fill: parent
            visible: cydia.currentPage === 4

            AbstractButton {
                id: hideDockButton
                objectName: "hideDockButton"
                anchors.centerIn: parent
                implicitWidth: label.implicitWidth + 16
                implicitHeight: 44
                text: tweaksModel.hideDockTitle
                Accessible.name: text
                focusPolicy: Qt.NoFocus
                onClicked: tweaksModel.toggleHideDock()
                contentItem: Text {
                    id: label
                    text: hideDockButton.text
                    color: "#007AFF"
                    opacity: hideDockButton.pressed ? 0.3 : 1
                    font.pixelSize: 17
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                }
            }
        }
        Text {
            objectName: "searchPage"
            anchors.centerIn: parent
            visible: cydia.currentPage === 5
            text: "Search"
            color: cydia.Foreground.color
            font.pixelSize: 17
        }
    }

    Rectangle {
        id: tabBar
        objectName: "tabBar"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: 49 + AppContext.device.bottomInset
        color: "#F9F9F9"

        Rectangle {
            width: parent.width
            height: 0.5
            color: "#C6C6C8"
        }

        Item {
            width: parent.width
            height: 49

            Repeater {
                model: cydia.tabs

                AbstractButton {
                    id: tab
                    required property var modelData
                    required property int index
                    readonly property bool selected: cydia.currentPage === modelData.tag
                    readonly property color tint: selected ? "#007AFF" : "#8E8E93"

                    objectName: modelData.name
                    x: index * width
                    width: parent.width / cydia.tabs.length
                    height: parent.height
                    focusPolicy: Qt.NoFocus
                    Accessible.name: modelData.label
                    Accessible.role: Accessible.PageTab
                    onClicked: cydia.currentPage = modelData.tag

                    contentItem: Item {
                        Column {
                            anchors.centerIn: parent
                            spacing: 3

                            Symbol {
                                objectName: "tabSymbol"
                                anchors.horizontalCenter: parent.horizontalCenter
                                name: tab.selected ? tab.modelData.selectedSymbol : tab.modelData.symbol
                                size: 22
                                color: tab.tint
                            }
                            Text {
                                anchors.horizontalCenter: parent.horizontalCenter
                                text: tab.modelData.label
                                color: tab.tint
                                font.pixelSize: 10
                                font.weight: Font.Medium
                            }
                        }
                    }
                }
            }
        }
    }
}
