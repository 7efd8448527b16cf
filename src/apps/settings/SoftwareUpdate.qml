import QtQuick
import QtQuick.Controls
import Kestrel.Ui
import Kestrel.Home
import Kestrel.Apps.Settings

// The Software Update page: for each entry of the General page's array, in order, either the
// "up to date" block or an update card. Until an answer arrives it shows only its title.
Item {
    id: page
    objectName: "softwareUpdate"

    property string title: "Software Update"
    property bool navigationBarHidden: false
    required property GeneralModel general
    readonly property alias model: updateModel

    SoftwareUpdateModel {
        id: updateModel
        updates: page.general ? page.general.updates : []
    }

    Flickable {
        anchors.fill: parent
        contentWidth: width
        contentHeight: blocks.height + 100
        clip: true

        Column {
            id: blocks
            width: parent.width

            Repeater {
                model: updateModel.blocks

                Loader {
                    width: blocks.width
                    readonly property var block: modelData
                    sourceComponent: modelData.upToDate ? upToDateBlock : updateCard
                }
            }
        }
    }

    Component {
        id: upToDateBlock
        Column {
            objectName: "upToDateBlock"
            topPadding: 65
            bottomPadding: 20
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: block.title
                color: "black"
                opacity: 0.5
                font.pixelSize: 17
            }
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: "Your software is up to date."
                color: "black"
                opacity: 0.5
                font.pixelSize: 17
            }
        }
    }

    Component {
        id: updateCard
        Column {
            id: card
            objectName: "updateCard"
            topPadding: 35
            spacing: 35

            Rectangle {
                x: 16
                width: card.width - 32
                height: info.height + 24
                radius: 10
                color: "white"

                Column {
                    id: info
                    x: 16
                    y: 12
                    width: parent.width - 32
                    spacing: 6

                    Row {
                        width: parent.width
                        spacing: 12
                        RoundedPicture {
                            objectName: "updateIcon"
                            name: "SettingsIcon"
                            width: 75
                            height: 75
                            radius: 20
                        }
                        Column {
                            anchors.verticalCenter: parent.verticalCenter
                            width: parent.width - 75 - parent.spacing
                            Text {
                                objectName: "updateTitle"
                                width: parent.width
                                text: block.title
                                color: "black"
                                font.pixelSize: 18
                                font.weight: Font.DemiBold
                                elide: Text.ElideRight
                            }
                            Text {
                                width: parent.width
                                text: "Apple Inc."
                                color: "black"
                                font.pixelSize: 17
                            }
                            Text {
                                width: parent.width
                                text: "1.89 GB"
                                color: "black"
                                font.pixelSize: 16
                            }
                        }
                    }
                    Text {
                        objectName: "updateLog"
                        width: parent.width
                        text: block.log
                        color: "black"
                        wrapMode: Text.Wrap
                        font.pixelSize: 18
                    }
                }
            }

            Rectangle {
                x: 16
                width: card.width - 32
                height: 44
                radius: 10
                color: "white"
                SettingsRow {
                    anchors.fill: parent
                    first: true
                    row: { "label": "Learn More", "kind": "plain", "tileColor": "", "symbol": "", "symbolSize": 0,
                           "picture": "", "detail": "", "page": "CommingSoonPage.qml" }
                    onClicked: page.StackView.view.push(Qt.resolvedUrl("CommingSoonPage.qml"))
                }
            }

            Rectangle {
                x: 16
                width: card.width - 32
                height: 44
                radius: 10
                color: "white"
                SettingsRow {
                    objectName: "downloadAndInstall"
                    anchors.fill: parent
                    first: true
                    row: { "label": "Download and Install", "kind": "button", "tileColor": "", "symbol": "",
                           "symbolSize": 0, "picture": "", "detail": "", "page": "" }
                    onClicked: updateModel.downloadAndInstall()
                }
            }
        }
    }
}
