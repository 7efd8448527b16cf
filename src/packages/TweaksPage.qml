import QtQuick
import QtQuick.Controls
import Kestrel.Packages
import Kestrel.Ui

// The repository's tweaks, in document order. A tap applies the package at once: the dock's
// opacity becomes the package's, or 1 when it names none. Nothing on this page changes.
NavigationPage {
    id: page
    objectName: "tweaksPage"

    property RepoDetailModel repository

    title: "Tweaks"
    background: "#F2F2F7"

    Tweaks {
        id: tweaks
    }

    InsetList {
        objectName: "tweaksList"
        anchors.fill: parent
        model: page.repository

        delegate: ItemDelegate {
            id: packageRow
            required property int index
            required property string packageName
            required property string appIcon

            objectName: "tweakRow_" + index
            width: ListView.view.width - 32
            height: 52
            padding: 0
            focusPolicy: Qt.NoFocus
            Accessible.name: packageName
            onClicked: page.repository.apply(index, tweaks)

            background: Rectangle {
                color: packageRow.pressed ? "#D1D1D6" : "transparent"
                radius: 10
            }

            contentItem: Item {
                RoundedIcon {
                    id: icon
                    x: 16
                    anchors.verticalCenter: parent.verticalCenter
                    url: packageRow.appIcon
                }
                Text {
                    objectName: "tweakName"
                    anchors.left: icon.right
                    anchors.leftMargin: 12
                    anchors.right: parent.right
                    anchors.rightMargin: 16
                    anchors.verticalCenter: parent.verticalCenter
                    text: packageRow.packageName
                    color: "black"
                    font.pixelSize: 17
                    elide: Text.ElideRight
                }
                Rectangle {
                    visible: packageRow.index > 0
                    x: icon.x + icon.width + 12
                    width: parent.width - x
                    height: 0.5
                    color: "#C6C6C8"
                }
            }
        }
    }
}
