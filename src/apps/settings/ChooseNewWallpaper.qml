import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Dialogs
import Kestrel.App
import Kestrel.Apps.Settings
import Kestrel.Ui

// Choose: the Stills entry and "All Photos", which opens a file dialog for a picture. While this
// page shows, a picture dropped onto the simulator's window is taken as if picked. A picked
// photo opens the Set page in this page's place.
Item {
    id: page
    objectName: "chooseNewWallpaper"

    readonly property ChooseNewWallpaperModel model: chooser
    property string title: chooser.SetWallpaper ? (setPage.item ? setPage.item.title : "") : "Choose"
    property bool navigationBarHidden: chooser.SetWallpaper && setPage.item ? setPage.item.navigationBarHidden : false
    // View state: the photo dialog is open.
    property bool showingImagePicker: false

    ChooseNewWallpaperModel {
        id: chooser
    }

    Rectangle {
        anchors.fill: parent
        color: "white"
        visible: !chooser.SetWallpaper
    }

    Column {
        visible: !chooser.SetWallpaper
        anchors.top: parent.top
        anchors.topMargin: 10
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        spacing: 10

        Item {
            objectName: "stillsEntry"
            anchors.horizontalCenter: parent.horizontalCenter
            width: entry.width
            height: entry.height
            Accessible.role: Accessible.Button
            Accessible.name: "Stills"
            Accessible.onPressAction: page.openStills()
            Column {
                id: entry
                spacing: 6
                Asset {
                    name: "Wallpaper"
                    width: AppContext.device.screenWidth / 3
                    height: AppContext.device.screenHeight / 3
                }
                Text {
                    text: "Stills"
                    color: "black"
                    font.pixelSize: 17
                }
            }
            MouseArea {
                anchors.fill: parent
                onClicked: page.openStills()
            }
        }

        Text {
            objectName: "allPhotos"
            width: parent.width
            text: chooser.loading ? "All Photos \u2026" : "All Photos"
            color: "black"
            font.pixelSize: 17
            horizontalAlignment: Text.AlignLeft
            Accessible.role: Accessible.Button
            Accessible.name: "All Photos"
            Accessible.onPressAction: page.showingImagePicker = !page.showingImagePicker
            MouseArea {
                anchors.fill: parent
                anchors.margins: -8
                onClicked: page.showingImagePicker = !page.showingImagePicker
            }
        }
    }

    function openStills() {
        page.StackView.view.push(Qt.resolvedUrl("StillsWallpapers.qml"))
    }

    FileDialog {
        id: picker
        title: "All Photos"
        parentWindow: page.Window.window
        visible: page.showingImagePicker
        currentFolder: chooser.picturesFolder
        nameFilters: ["Pictures (*.jpg *.jpeg *.png *.webp *.gif *.bmp *.tif *.tiff *.heic *.JPG *.JPEG *.PNG)"]
        onAccepted: {
            page.showingImagePicker = false
            chooser.pick(selectedFile)
        }
        onRejected: page.showingImagePicker = false
    }

    // The simulator's stand-in for sharing a photo into the phone: drop it onto the window.
    DropArea {
        objectName: "photoDropArea"
        parent: page.Window.contentItem ? page.Window.contentItem : page
        anchors.fill: parent
        z: 1000
        enabled: page.visible && !chooser.SetWallpaper && page.StackView.status === StackView.Active
        keys: ["text/uri-list"]
        onDropped: drop => {
            if (drop.hasUrls && drop.urls.length > 0) {
                drop.acceptProposedAction()
                chooser.pick(drop.urls[0])
            }
        }
    }

    Loader {
        id: setPage
        anchors.fill: parent
        active: chooser.SetWallpaper
        sourceComponent: SetWallpaperView {
            wallpaper: ""
            customWallpaper: chooser.inputImage
        }
    }
}
