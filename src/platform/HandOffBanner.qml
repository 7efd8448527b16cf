import QtQuick

// A short banner at the top of the phone naming a URL handed to the system or a simulator
// notice; it fades after a few seconds.
Rectangle {
    id: banner
    objectName: "handOffBanner"

    property string message: ""

    function show(text) {
        message = text
        hideTimer.restart()
    }

    height: label.height + 20
    radius: 14
    color: "#E6303030"
    opacity: hideTimer.running ? 1 : 0
    visible: opacity > 0
    z: 1000

    Behavior on opacity { NumberAnimation { duration: 200 } }

    // Made with the first message: an empty label would still load its font before the
    // shell's first frame.
    Loader {
        id: label
        // Only the width is given: the label's own height sets the banner's, without a loop.
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 10 }
        active: banner.message !== ""
        sourceComponent: Component {
            Text {
                text: banner.message
                color: "white"
                font.pixelSize: 13
                wrapMode: Text.WrapAnywhere
                maximumLineCount: 2
                elide: Text.ElideRight
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
        }
    }

    Timer {
        id: hideTimer
        interval: 2500
    }
}
