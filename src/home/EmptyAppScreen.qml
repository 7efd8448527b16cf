import QtQuick
import Kestrel.Home

// Stands in for a real app whose screen is not part of this build yet: a plain page with the
// app's name, dark where the home bar is white and light where it is black.
Rectangle {
    id: page
    objectName: "emptyAppScreen"

    required property int app
    readonly property bool dark: AppView.whiteHomeBar(app)

    color: dark ? "black" : "white"

    Text {
        objectName: "emptyAppName"
        anchors.centerIn: parent
        text: AppView.displayName(page.app)
        color: page.dark ? "white" : "black"
        font.pixelSize: 30
        font.weight: Font.DemiBold
    }
}
