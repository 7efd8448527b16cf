import QtQuick
import Kestrel.App
import Kestrel.Home
import Kestrel.Ui

// Page 0: a search field that does nothing yet, the clock, and four suggested apps.
Flickable {
    id: page
    objectName: "searchPage"

    required property HomeScreenModel model
    readonly property int screenWidth: AppContext.device.screenWidth

    contentWidth: width
    contentHeight: column.height + 25
    flickableDirection: Flickable.VerticalFlick
    boundsBehavior: Flickable.DragOverBounds
    clip: true

    Column {
        id: column
        width: page.width
        spacing: 25

        Item { width: 1; height: 8 }

        Item {
            objectName: "searchField"
            anchors.horizontalCenter: parent.horizontalCenter
            width: page.screenWidth - 45
            height: 50
            Rectangle {
                anchors.fill: parent
                radius: 20
                color: "gray"
                opacity: 0.2
            }
            Row {
                anchors.verticalCenter: parent.verticalCenter
                x: 10
                spacing: 8
                Symbol {
                    anchors.verticalCenter: parent.verticalCenter
                    name: "magnifyingglass"
                    size: 20
                    color: "white"
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: "Search"
                    color: "gray"
                    opacity: 0.9
                    font.pixelSize: 20
                }
            }
        }

        Column {
            anchors.right: parent.right
            anchors.rightMargin: 25
            Text {
                objectName: "searchTime"
                anchors.horizontalCenter: parent.horizontalCenter
                text: page.model.KestrelTime
                color: Foreground.color
                font.pixelSize: 80
                font.weight: Font.Thin
            }
            Text {
                objectName: "searchDate"
                anchors.horizontalCenter: parent.horizontalCenter
                text: page.model.KestrelDate
                color: Foreground.color
                font.pixelSize: 27
                font.weight: Font.Thin
            }
        }

        // Suggestions: a header and a body, clipped together to one rounded panel.
        Column {
            objectName: "suggestionPanel"
            anchors.horizontalCenter: parent.horizontalCenter
            width: page.screenWidth - 45
            spacing: 0

            Item {
                width: parent.width
                height: 40
                clip: true
                BlurView {
                    width: parent.width
                    height: parent.height + 20
                    style: 12
                    radius: 20
                }
                Row {
                    anchors.verticalCenter: parent.verticalCenter
                    x: 10
                    spacing: 8
                    Asset {
                        anchors.verticalCenter: parent.verticalCenter
                        width: 20
                        height: 20
                        name: "SiriIcon"
                    }
                    Text {
                        anchors.verticalCenter: parent.verticalCenter
                        text: "SIRI APP SUGGESTIONS"
                        color: "black"
                        opacity: 0.7
                        font.pixelSize: 15
                    }
                }
            }

            Item {
                width: parent.width
                height: 125
                clip: true
                BlurView {
                    y: -20
                    width: parent.width
                    height: parent.height + 20
                    style: 11
                    radius: 20
                }
                Row {
                    anchors.centerIn: parent
                    spacing: 25
                    Repeater {
                        model: page.model.suggestions
                        AppButton {
                            required property var modelData
                            objectName: "suggestion" + modelData.app
                            app: modelData.app
                            label: modelData.label
                            iconSize: page.screenWidth / 7
                            radius: 18
                            labelColor: "black"
                            onClicked: page.model.openAppView(app)
                        }
                    }
                }
            }
        }
    }
}
