import QtQuick
import Kestrel.App
import Kestrel.Home
import Kestrel.Ui

// The open Extras folder: its title over a panel of six apps. The panel grows out of the
// centre when the folder opens and shrinks back into it when it closes.
Item {
    id: folder
    objectName: "extrasFolder"

    required property HomeScreenModel model
    readonly property bool open: model.ShowExtraFolder
    readonly property int panelSize: AppContext.device.screenWidth - 50
    property bool opened: false
    onOpenChanged: if (open) opened = true

    Column {
        anchors.centerIn: parent
        spacing: 8

        Text {
            objectName: "extrasTitle"
            anchors.horizontalCenter: parent.horizontalCenter
            text: "Extras"
            color: Foreground.color
            font.pixelSize: 40
            opacity: folder.open ? 1 : 0
            Behavior on opacity { NumberAnimation { duration: 350; easing.type: Easing.OutQuad } }
        }

        Item {
            objectName: "extrasPanel"
            anchors.horizontalCenter: parent.horizontalCenter
            width: folder.open ? folder.panelSize : 0
            height: width
            clip: true
            Behavior on width { NumberAnimation { duration: 350; easing.type: Easing.OutQuad } }

            BlurView {
                anchors.fill: parent
                style: 12
                radius: 40
            }

            // The apps are made when the folder first opens and kept from then on, so a closing
            // folder still fades them out; a home screen whose folder is never opened makes none.
            Loader {
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.top: parent.top
                anchors.topMargin: 40
                active: folder.open || folder.opened
                opacity: folder.open ? 1 : 0
                enabled: folder.open
                Behavior on opacity { NumberAnimation { duration: 350; easing.type: Easing.OutQuad } }

                sourceComponent: Column {
                    spacing: 30
                    Repeater {
                        model: 2
                        Row {
                            id: folderRow
                            required property int index
                            anchors.horizontalCenter: parent.horizontalCenter
                            spacing: 40
                            Repeater {
                                model: folder.model.folderItems.slice(folderRow.index * 3, folderRow.index * 3 + 3)
                                AppButton {
                                    required property var modelData
                                    objectName: "folderItem" + modelData.app
                                    app: modelData.app
                                    label: modelData.label
                                    iconSize: 70
                                    radius: 20
                                    onClicked: folder.model.openAppView(app)
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}
