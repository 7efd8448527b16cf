import QtQuick
import Kestrel.App
import Kestrel.Home
import Kestrel.Ui

// The placeholder of an app that is not built: always the default wallpaper, whatever the
// user chose, and the app's name. Only a tap on the message acts: it asks for a new home
// screen in this one's place, with clock strings formatted at the tap.
Item {
    id: placeholder
    objectName: "commingSoon"

    property string appName
    readonly property alias model: placeholderModel

    signal goHomeRequested(var clockStrings)

    CommingSoonModel {
        id: placeholderModel
        onGoHomeChanged: if (GoHome) placeholder.goHomeRequested(homeClockStrings())
    }
    Component.onCompleted: placeholderModel.AppName = appName

    Wallpaper {
        objectName: "commingSoonWallpaper"
        anchors.fill: parent
        name: "Wallpaper"
    }

    Text {
        objectName: "commingSoonMessage"
        anchors.centerIn: parent
        anchors.verticalCenterOffset: -30
        // Long names wrap rather than run off the screen.
        width: Math.min(implicitWidth, placeholder.width - 32)
        wrapMode: Text.Wrap
        horizontalAlignment: Text.AlignHCenter
        text: placeholderModel.message
        color: "white"
        font.pixelSize: 30
        font.weight: Font.Bold
        Accessible.role: Accessible.Button
        Accessible.name: text
        Accessible.onPressAction: placeholderModel.tapMessage()
        MouseArea {
            anchors.fill: parent
            onClicked: placeholderModel.tapMessage()
        }
    }
}
