import QtQuick
import QtQuick.Controls
import Kestrel.App
import Kestrel.Ui
import Kestrel.Home
import Kestrel.Apps.Browser

// The search-or-address field over the four favourite sites.
Item {
    id: page
    objectName: "startPage"

    required property SafariModel model
    readonly property real favouriteSize: AppContext.device.screenWidth / 5

    Item {
        id: fieldBlock
        x: 30
        y: AppContext.device.topInset + 20
        width: parent.width - 60
        height: field.height

        TextField {
            id: field
            objectName: "searchField"
            width: parent.width
            leftPadding: 20
            rightPadding: 10
            topPadding: 10
            bottomPadding: 10
            color: "black"
            font.pixelSize: 20
            placeholderText: ""
            inputMethodHints: Qt.ImhNoPredictiveText | Qt.ImhNoAutoUppercase | Qt.ImhUrlCharactersOnly
            text: page.model.SearchString
            onTextEdited: page.model.SearchString = text
            onAccepted: page.model.commit()
            Accessible.name: "Search or enter website name"
            background: Rectangle {
                radius: 15
                color: Qt.rgba(0.5, 0.5, 0.5, 0.2)
            }
        }

        // The placeholder, drawn over the field while it is empty; it takes no touches.
        Row {
            objectName: "searchPlaceholder"
            anchors.centerIn: parent
            spacing: 6
            visible: page.model.SearchString === ""
            opacity: 0.5

            Symbol {
                anchors.verticalCenter: parent.verticalCenter
                name: "magnifyingglass"
                size: 17
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: "Search or enter website name"
                color: "black"
                font.pixelSize: 17
            }
        }
    }

    Flickable {
        objectName: "favourites"
        anchors.top: fieldBlock.bottom
        anchors.topMargin: 50
        anchors.bottom: parent.bottom
        width: parent.width
        contentWidth: width
        contentHeight: row.height
        clip: true
        ScrollIndicator.vertical: ScrollIndicator {}

        Row {
            id: row
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 20

            Repeater {
                model: page.model.favourites

                AbstractButton {
                    id: favourite
                    required property var modelData
                    required property int index

                    objectName: "favourite" + modelData.name
                    width: page.favouriteSize
                    height: column.height
                    focusPolicy: Qt.NoFocus
                    Accessible.name: modelData.name
                    onClicked: page.model.openFavourite(index)

                    contentItem: Item {}
                    background: Column {
                        id: column
                        spacing: 6

                        RoundedPicture {
                            width: page.favouriteSize
                            height: page.favouriteSize
                            radius: 5
                            name: favourite.modelData.picture
                            opacity: favourite.pressed ? 0.6 : 1
                        }
                        Text {
                            width: page.favouriteSize
                            text: favourite.modelData.name
                            color: "gray"
                            opacity: 0.9
                            font.pixelSize: 15
                            horizontalAlignment: Text.AlignHCenter
                            elide: Text.ElideRight
                        }
                    }
                }
            }
        }
    }
}
