import QtQuick
import Kestrel.App
import Kestrel.Home

// The dock: four apps on a platter drawn at the Dock_Opacity tweak's opacity. The icons stay
// visible and tappable whatever the platter's opacity. On the search page the dock is hidden
// but keeps its place.
Item {
    id: dock
    objectName: "dock"

    required property HomeScreenModel model
    property Item backdrop: null

    width: icons.width + 40
    height: icons.height + 40
    opacity: model.searchPageShown ? 0 : 1
    enabled: !model.searchPageShown

    BlurView {
        objectName: "dockPlatter"
        anchors.fill: parent
        style: 12
        radius: 35
        backdrop: dock.backdrop
        opacity: dock.model.dockPlatterOpacity
    }

    Row {
        id: icons
        anchors.centerIn: parent
        spacing: 25
        Repeater {
            model: dock.model.dockApps
            RoundedPicture {
                required property int modelData
                objectName: "dock" + modelData
                width: 65
                height: 65
                radius: 20
                name: AppView.icon(modelData)
                opacity: area.pressed ? 0.5 : 1
                Accessible.role: Accessible.Button
                Accessible.name: AppView.displayName(modelData)
                Accessible.onPressAction: dock.model.openAppView(modelData)
                MouseArea {
                    id: area
                    anchors.fill: parent
                    onClicked: dock.model.openAppView(parent.modelData)
                }
            }
        }
    }
}
