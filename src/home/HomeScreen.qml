import QtQuick
import Kestrel.App
import Kestrel.Home
import Kestrel.Ui

// The home screen as its creator (a lock or passcode screen) shows it. A placeholder's message
// puts a new home screen in the place of the old one: that old one, with its placeholder, can
// never be seen again, so it fades out and is released instead of staying nested underneath.
// Every home screen shown here shares the creator's page.
Item {
    id: home
    objectName: "homeScreen"

    // The creator's object holding CurrentPage, read and written by every home screen here.
    property QtObject pageOwner
    // The creator's four clock strings, formatted when it made this screen.
    property var clockStrings: ({})

    // The home screen on display, and how many have been shown here (1 for the first).
    readonly property Item current: screens.currentItem
    readonly property HomeScreenModel model: current ? current.model : null
    readonly property int generation: d.generation

    CrossFadeView {
        id: screens
        anchors.fill: parent
        easingType: Easing.OutQuad
        sourceComponent: viewComponent
    }

    QtObject {
        id: d
        property int generation: 0
        property var nextClockStrings: home.clockStrings
    }

    Component {
        id: viewComponent
        HomeView {
            pageOwner: home.pageOwner
            clockStrings: d.nextClockStrings
            Component.onCompleted: d.generation += 1
            onNewHomeRequested: strings => {
                d.nextClockStrings = strings
                // A screen still fading out from an earlier replacement is under two newer
                // ones by now: it lets go of its contents at once, so rapid replacements hold
                // two screens' worth of memory rather than one per screen still fading.
                for (let i = 0; i < screens.children.length; ++i) {
                    const other = screens.children[i]
                    if (other.objectName === "homeView" && other.retired)
                        other.superseded = true
                }
                retired = true
                screens.replace(Easing.OutQuad)
            }
        }
    }
}
