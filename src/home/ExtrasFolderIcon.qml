import QtQuick
import Kestrel.Home

// The Extras folder's tile: six miniatures of what it holds on a light platter.
BlurView {
    id: icon

    required property HomeScreenModel model

    width: 60
    height: 60
    style: 12
    radius: 15

    Grid {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        anchors.topMargin: 7
        columns: 3
        spacing: 5
        Repeater {
            model: icon.model.folderMiniatures
            RoundedPicture {
                required property string modelData
                width: 12
                height: 12
                radius: 3
                name: modelData
            }
        }
    }
}
