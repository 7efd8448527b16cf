import QtQuick
import Kestrel.App
import Kestrel.Home
import Kestrel.Ui

// One home screen: the wallpaper, the pager of the search page and two icon pages, the dock,
// the Extras folder, and the open app in place of all of it.
Item {
    id: view
    objectName: "homeView"

    property alias pageOwner: homeModel.pageOwner
    property alias clockStrings: homeModel.clockStrings
    readonly property alias model: homeModel
    // Set when a new home screen takes this one's place (it then fades out and goes).
    property bool retired: false
    // Set when yet another screen replaces the one that replaced this: its home content is
    // hidden and its pages are released before it has faded out.
    property bool superseded: false
    // The tile a context menu was opened on.
    property Item contextAnchor: null

    // The placeholder's message was tapped: a new home screen belongs in this one's place.
    signal newHomeRequested(var clockStrings)

    readonly property int screenWidth: AppContext.device.screenWidth

    HomeScreenModel {
        id: homeModel
    }

    Connections {
        target: AppContext
        function onHomePressed() { homeModel.pressHome() }
    }

    Item {
        id: homeContent
        objectName: "homeContent"
        anchors.fill: parent
        opacity: homeModel.OpenApp ? 0 : 1
        visible: opacity > 0 && !view.superseded
        enabled: !homeModel.OpenApp
        Behavior on opacity { NumberAnimation { duration: 350; easing.type: Easing.OutQuad } }

        Item {
            id: homeLayer
            anchors.fill: parent

            HomeWallpaper {
                id: wallpaper
                anchors.fill: parent
                model: homeModel
            }

            // The safe area: pager, dock and, below the dock, three spacers' worth of room.
            Item {
                id: safeArea
                anchors.fill: parent
                anchors.topMargin: AppContext.device.topInset
                anchors.bottomMargin: AppContext.device.bottomInset

                Pager {
                    id: pager
                    anchors.top: parent.top
                    anchors.bottom: dock.top
                    anchors.bottomMargin: 8
                    width: parent.width
                    model: homeModel
                    home: view
                    loadInBackground: !view.retired
                    keepPages: !view.superseded
                }

                Dock {
                    id: dock
                    anchors.horizontalCenter: parent.horizontalCenter
                    anchors.bottom: parent.bottom
                    anchors.bottomMargin: 6 * 8
                    model: homeModel
                    backdrop: wallpaper
                }
            }
        }

        // The folder's dimmer: a tap outside the panel closes the folder.
        BlurView {
            objectName: "folderDimmer"
            anchors.fill: parent
            style: 11
            backdrop: homeLayer
            opacity: homeModel.ShowExtraFolder ? 0.9 : 0
            visible: opacity > 0
            Behavior on opacity { NumberAnimation { duration: 350; easing.type: Easing.OutQuad } }
            MouseArea {
                anchors.fill: parent
                enabled: homeModel.ShowExtraFolder
                onClicked: homeModel.closeExtraFolder()
                Accessible.role: Accessible.Button
                Accessible.name: "Close folder"
                Accessible.onPressAction: homeModel.closeExtraFolder()
            }
        }

        ExtrasFolder {
            anchors.fill: parent
            anchors.topMargin: AppContext.device.topInset
            anchors.bottomMargin: AppContext.device.bottomInset
            model: homeModel
        }

        TileContextMenu {
            anchors.fill: parent
            model: homeModel
            anchor: view.contextAnchor
        }
    }

    CrossFadeView {
        id: openApp
        objectName: "openApp"
        anchors.fill: parent
        // An app fading out after it was closed takes no more touches.
        enabled: homeModel.OpenApp
        easingType: Easing.OutQuad
        sourceComponent: {
            switch (homeModel.openView) {
            case HomeScreenModel.RealScreen: return realScreenComponent
            case HomeScreenModel.EmptyScreen: return emptyScreenComponent
            case HomeScreenModel.PlaceholderScreen: return placeholderComponent
            default: return null
            }
        }
    }

    // Real screens load only when opened, each time anew, so every opening starts fresh.
    Component {
        id: realScreenComponent
        Item {
            Loader {
                objectName: "appLoader"
                anchors.fill: parent
                Component.onCompleted: setSource(AppView.screenUrl(homeModel.AppOpener))
            }
            HomeBar {
                model: homeModel
            }
        }
    }

    Component {
        id: emptyScreenComponent
        Item {
            EmptyAppScreen {
                anchors.fill: parent
                app: homeModel.AppOpener
            }
            HomeBar {
                model: homeModel
            }
        }
    }

    Component {
        id: placeholderComponent
        CommingSoon {
            appName: AppView.displayName(homeModel.AppOpener)
            onGoHomeRequested: strings => view.newHomeRequested(strings)
        }
    }
}
