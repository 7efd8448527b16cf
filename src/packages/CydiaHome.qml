import QtQuick
import QtQuick.Controls
import Kestrel.App
import Kestrel.Apps.Browser
import Kestrel.Packages
import Kestrel.Ui

// The package manager's first tab: a welcome header and three blocks of links. The social rows
// open their profile page in the screen's one web view; the others open a page reading "57".
// "About" and "Reload" in the bar do nothing.
StackView {
    id: stack
    objectName: "cydiaHome"

    // The one web view of this screen, shared by both social rows.
    readonly property alias webViewStore: webStore
    WebViewStore { id: webStore }

    Setting { key: "Dock_Opacity"; defaultValue: 1 }
    Setting { key: "Hide_Dock_Installed"; defaultValue: false }

    function openWebPage(address) { stack.push(webPage, { address: address, store: webStore }) }
    function openNumberPage() { stack.push(numberPage) }

    initialItem: NavigationPage {
        title: "Home"
        leading: NavButton { objectName: "aboutButton"; text: "About" }
        trailing: NavButton { objectName: "reloadButton"; text: "Reload" }

        Rectangle {
            anchors.fill: parent
            color: "gray"
            opacity: 0.08
        }

        Flickable {
            objectName: "homeScroll"
            anchors.fill: parent
            contentHeight: content.height + 40
            boundsBehavior: Flickable.StopAtBounds
            ScrollIndicator.vertical: ScrollIndicator {}

            Column {
                id: content
                y: 20
                width: parent.width
                spacing: 24

                // The header: the app's icon and the welcome lines.
                Item {
                    objectName: "homeHeader"
                    width: parent.width
                    height: 60

                    RoundedAsset {
                        x: 25
                        width: 60
                        height: 60
                        radius: 15
                        name: "CydiaIcon"
                    }
                    Column {
                        x: (parent.width + 8) / 2 - 50
                        anchors.verticalCenter: parent.verticalCenter
                        spacing: 5

                        Text {
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: "Welcome to Cydia"
                            color: "black"
                            font.pixelSize: 18
                        }
                        Text {
                            objectName: "creditLine"
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: CydiaLinks.credit
                            color: "black"
                            font.pixelSize: 14
                        }
                    }
                }

                Column {
                    width: parent.width
                    spacing: 10

                    Column {
                        objectName: "socialBlock"
                        width: parent.width

                        LinkRow {
                            objectName: "facebookRow"
                            width: parent.width
                            iconName: "FacebookIcon"
                            text: "Cydia"
                            divider: true
                            onClicked: stack.openWebPage(CydiaLinks.cydiaProfile)
                        }
                        LinkRow {
                            objectName: "twitterRow"
                            width: parent.width
                            iconName: "TwitterIcon"
                            text: CydiaLinks.authorHandle
                            onClicked: stack.openWebPage(CydiaLinks.authorProfile)
                        }
                    }

                    Rectangle {
                        width: parent.width
                        height: featured.height
                        color: Qt.rgba(1, 1, 1, 0.8)

                        Column {
                            id: featured
                            objectName: "featuredBlock"
                            width: parent.width

                            LinkRow {
                                objectName: "featuredRow"
                                width: parent.width
                                text: "Featured"
                                divider: true
                                iconItem: Rectangle {
                                    radius: 8
                                    color: Qt.rgba(1, 0.8, 0, 0.8)
                                    Symbol {
                                        anchors.centerIn: parent
                                        name: "star.fill"
                                        size: 20
                                        color: "white"
                                    }
                                }
                                onClicked: stack.openNumberPage()
                            }
                            LinkRow {
                                objectName: "themesRow"
                                width: parent.width
                                iconName: "ThemesIcon"
                                text: "Themes"
                                onClicked: stack.openNumberPage()
                            }
                        }
                    }

                    Rectangle {
                        width: parent.width
                        height: 40 + 9
                        color: Qt.rgba(0.2, 0.78, 0.35, 0.09)

                        LinkRow {
                            objectName: "accountRow"
                            y: 4.5
                            width: parent.width
                            iconName: "CydiaIcon"
                            text: "Manage Account"
                            onClicked: stack.openNumberPage()
                        }
                    }
                }
            }
        }
    }

    Component {
        id: numberPage
        NavigationPage {
            objectName: "numberPage"
            Text {
                anchors.centerIn: parent
                text: "57"
                color: "black"
                font.pixelSize: 17
            }
        }
    }

    Component {
        id: webPage
        CydiaWebPage {}
    }
}
