import QtQuick
import QtQuick.Controls.Basic
import Kestrel.App
import Kestrel.Ui

// The built-in wallpapers, three to a row in catalogue order. Tapping one shows it on the Set
// page in this page's place.
Item {
    id: page
    objectName: "stillsWallpapers"

    property string title: setShown && setPage.item ? setPage.item.title : "Wallpaper"
    property bool navigationBarHidden: setShown && setPage.item ? setPage.item.navigationBarHidden : false

    // View state: the picture tapped, and whether the Set page shows it.
    property string wallpaper: ""
    readonly property bool setShown: wallpaper !== ""

    readonly property var catalogue: [
        "Earth", "Moon", "EarthNight",
        "Wallpaper", "iOS10Wallpaper", "Mars",
        "Flower_Aechmea", "Flower_Gloriosa", "Flower_Aquilegia",
        "Flower_Fritillaria", "Flower_Muscari", "Flower_Helleborus",
        "Stripe_Green", "Stripe_Yellow", "Stripe_Orange",
        "Stripe_Red", "Stripe_Purple", "Stripe_Blue",
        "Stripe_Black", "Black",
    ]

    Rectangle {
        anchors.fill: parent
        color: "white"
        visible: !page.setShown
    }

    Flickable {
        objectName: "stillsGrid"
        anchors.fill: parent
        visible: !page.setShown
        contentHeight: grid.height + 20
        clip: true
        ScrollBar.vertical: ScrollBar {}

        Grid {
            id: grid
            anchors.horizontalCenter: parent.horizontalCenter
            y: 10
            columns: 3
            spacing: 10
            Repeater {
                model: page.catalogue
                Asset {
                    required property string modelData
                    objectName: "still_" + modelData
                    name: modelData
                    width: AppContext.device.screenWidth / 3.4
                    height: AppContext.device.screenHeight / 3.4
                    Accessible.role: Accessible.Button
                    Accessible.name: modelData
                    Accessible.onPressAction: page.wallpaper = modelData
                    MouseArea {
                        anchors.fill: parent
                        onClicked: page.wallpaper = parent.modelData
                    }
                }
            }
        }
    }

    Loader {
        id: setPage
        anchors.fill: parent
        active: page.setShown
        sourceComponent: SetWallpaperView {
            wallpaper: page.wallpaper
        }
    }
}
