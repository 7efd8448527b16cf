import QtQuick
import QtQuick.Controls
import Kestrel.Packages
import Kestrel.Ui

// An opened source: the "Sections" page with its one "Tweaks" section. The repository is
// fetched anew every time this page comes on screen, on return from the Tweaks page too.
NavigationPage {
    id: page
    objectName: "repoDetailView"

    property string currentRepoUrl
    readonly property alias repository: repo

    title: "Sections"
    background: "#F2F2F7"

    StackView.onActivated: repo.fetch()

    RepoDetailModel {
        id: repo
        currentRepoUrl: page.currentRepoUrl
    }

    InsetList {
        objectName: "sectionsList"
        anchors.fill: parent
        model: 1

        delegate: ItemDelegate {
            id: tweaksRow
            objectName: "tweaksSection"
            width: ListView.view.width - 32
            height: 44
            padding: 0
            focusPolicy: Qt.NoFocus
            Accessible.name: "Tweaks"
            onClicked: page.StackView.view.push(tweaksPage, { repository: repo })

            background: Rectangle {
                radius: 10
                color: tweaksRow.pressed ? "#D1D1D6" : "white"
            }

            contentItem: Item {
                Rectangle {
                    id: tile
                    x: 16
                    anchors.verticalCenter: parent.verticalCenter
                    width: 33
                    height: 33
                    radius: 8
                    color: "#8E8E93"
                    opacity: 0.8
                }
                // Outside the tile so the tile's opacity does not dim them.
                Symbol {
                    anchors.centerIn: tile
                    name: "folder.fill"
                    size: 24
                    color: "white"
                }
                Text {
                    anchors.centerIn: tile
                    anchors.verticalCenterOffset: 3.8
                    text: "2"
                    color: "#8E8E93"
                    opacity: 0.7
                    font.pixelSize: 15
                }
                Text {
                    anchors.left: tile.right
                    anchors.leftMargin: 12
                    anchors.verticalCenter: parent.verticalCenter
                    text: "Tweaks"
                    color: "black"
                    font.pixelSize: 17
                }
                Symbol {
                    anchors.right: parent.right
                    anchors.rightMargin: 16
                    anchors.verticalCenter: parent.verticalCenter
                    name: "chevron.right"
                    size: 14
                    color: "#C4C4C7"
                }
            }
        }
    }

    Component {
        id: tweaksPage
        TweaksPage {}
    }
}
