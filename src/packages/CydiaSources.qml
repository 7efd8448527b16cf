import QtQuick
import QtQuick.Controls
import Kestrel.Packages
import Kestrel.Ui

// The "Sources" tab: the user's package sources, each opening its repository. "Add" asks for
// an address; the edit button (or a swipe) deletes. While the list is empty its placeholder row
// puts the default source back as soon as it is on screen.
StackView {
    id: stack
    objectName: "cydiaSources"

    property bool editMode: false
    readonly property alias sources: sourcesModel
    property alias addItemToggle: wrapper.isPresented
    // Fixed for sources added by hand: they have no name or icon.
    property string repoName: ""
    property string repoIcon: ""
    property string repoUrl: ""
    property string currentRepoUrl: ""

    TesselLoaderModel {
        id: sourcesModel
    }

    initialItem: NavigationPage {
        id: page
        title: "Sources"

        leading: NavButton {
            objectName: "addButton"
            text: "Add"
            onClicked: wrapper.isPresented = !wrapper.isPresented
        }
        trailing: NavButton {
            objectName: "editButton"
            text: stack.editMode ? "Done" : "Edit"
            font.weight: stack.editMode ? Font.DemiBold : Font.Normal
            onClicked: stack.editMode = !stack.editMode
        }

        AlertWrapper {
            id: wrapper
            anchors.fill: parent
            alert: TextAlert {
                title: "Enter Cydia/APT URL"
                message: ""
                placeholder: "https://"
                accept: "Add Source"
                cancel: "Cancel"
                keyboardType: Qt.ImhUrlCharactersOnly | Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
                action: function(text) {
                    if (text === undefined)
                        return
                    stack.repoUrl = text
                    sourcesModel.add(stack.repoName, stack.repoUrl, stack.repoIcon)
                    stack.repoUrl = ""
                    stack.repoName = ""
                }
            }

            ListView {
                id: list
                objectName: "sourcesList"
                anchors.fill: parent
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                model: sourcesModel

                header: Column {
                    width: list.width

                    Rectangle {
                        width: parent.width
                        height: 36
                        color: "#F2F2F7"

                        Text {
                            objectName: "sectionHeader"
                            x: 16
                            anchors.bottom: parent.bottom
                            anchors.bottomMargin: 7
                            text: "Individual Sources"
                            color: "#6D6D72"
                            font.pixelSize: 15
                            font.weight: Font.DemiBold
                        }
                    }

                    Loader {
                        // The empty list's one row; its coming on screen restores the default.
                        objectName: "emptySourceRow"
                        width: parent.width
                        height: active ? 44 : 0
                        active: sourcesModel.count === 0 && list.visible && stack.visible
                        sourceComponent: Item {
                            Component.onCompleted: Qt.callLater(sourcesModel.addDefaultSource)
                        }
                    }
                }

                delegate: SourceRow {
                    width: ListView.view.width
                    editMode: stack.editMode
                    onOpened: url => {
                        stack.currentRepoUrl = url
                        stack.push(repoDetail, { currentRepoUrl: url })
                    }
                    onDeleteRequested: row => sourcesModel.deleteAt([row])
                }
            }
        }
    }

    Component {
        id: repoDetail
        RepoDetailView {}
    }
}
