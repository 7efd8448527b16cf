import QtQuick
import Kestrel.App
import Kestrel.Ui
import Kestrel.Store

// The store: a title, a search box and one row per app of the catalogue, on purple under every
// safe area. Tapping a row hands that app's install link to the system. Each screen makes its
// own model, so reopening the store starts with an empty search.
Rectangle {
    id: tessel
    objectName: "tessel"

    readonly property alias model: storeModel
    // The icon server; the compiled-in one unless a test points the rows elsewhere.
    property alias iconBase: storeModel.iconBase
    readonly property real screenWidth: AppContext.device.screenWidth

    color: NamedColors.MyPurple
    Accessible.role: Accessible.Pane
    Accessible.name: "Tessel"

    TesselModel {
        id: storeModel
    }

    Flickable {
        id: scroller
        objectName: "storeScroller"
        anchors.fill: parent
        topMargin: AppContext.device.topInset
        bottomMargin: AppContext.device.bottomInset
        contentWidth: width
        contentHeight: content.height
        flickableDirection: Flickable.VerticalFlick
        Accessible.role: Accessible.List
        Accessible.name: "Apps"

        // Everything sits 20 points in from the leading edge; the search box, centred on the
        // full width before that shift, ends at the trailing edge.
        Column {
            id: content
            x: 20
            width: tessel.screenWidth - 20
            spacing: 8

            // The flexible space above the title, which a scrolling stack shrinks to its minimum.
            Item {
                width: 1
                height: 32
            }

            Text {
                objectName: "storeTitle"
                width: parent.width
                text: "Tessel"
                color: NamedColors.MyWhite
                font.pixelSize: 35
                font.weight: Font.DemiBold
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }

            TesselSearchBox {
                x: 20
                width: tessel.screenWidth - 40
                store: storeModel
            }

            Column {
                objectName: "storeList"
                width: parent.width
                // Rows overlap: the badge's wide padding would otherwise space them far apart.
                spacing: -45

                Repeater {
                    objectName: "storeRows"
                    model: storeModel

                    TesselRow {
                        width: parent.width
                        onActivated: storeModel.install(index, AppContext.urlOpener)
                    }
                }
            }
        }
    }
}
