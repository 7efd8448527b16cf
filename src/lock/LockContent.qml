import QtQuick
import Kestrel.App
import Kestrel.Lock
import Kestrel.Ui

// What a locked phone shows: wallpaper, lock symbol, time and date, "Press home to open", and
// the torch and camera buttons. Each time it comes into view it offers the biometric unlock.
Item {
    id: content
    objectName: "lockContent"

    required property LockscreenModel model

    Component.onCompleted: model.contentAppeared()

    LockWallpaper {
        objectName: "lockWallpaper"
        anchors.fill: parent
    }

    Flickable {
        anchors.fill: parent
        anchors.topMargin: AppContext.device.topInset
        anchors.bottomMargin: AppContext.device.bottomInset
        contentWidth: width
        contentHeight: clockColumn.height
        boundsBehavior: Flickable.DragOverBounds

        Column {
            id: clockColumn
            width: parent.width
            spacing: 8

            Item { width: 1; height: 4 * 8 + 3 * 8 } // four default spacers

            Symbol {
                id: lockSymbol
                objectName: "lockSymbol"
                anchors.horizontalCenter: parent.horizontalCenter
                visible: content.model.usePasscode
                name: content.model.lockSymbol !== "" ? content.model.lockSymbol : "lock.fill"
                size: 40
                // The unlocked lock fades in over the locked one on the ease-in curve.
                property real fadeIn: 1
                property string settledName
                color: Qt.rgba(Foreground.color.r, Foreground.color.g, Foreground.color.b, Foreground.color.a * fadeIn)
                onNameChanged: {
                    if (settledName !== "" && settledName !== name) {
                        outgoingLock.name = settledName
                        lockFade.restart()
                    }
                    settledName = name
                }
                Symbol {
                    id: outgoingLock
                    objectName: "outgoingLockSymbol"
                    anchors.centerIn: parent
                    visible: lockSymbol.fadeIn < 1
                    size: lockSymbol.size
                    color: Qt.rgba(Foreground.color.r, Foreground.color.g, Foreground.color.b,
                                   Foreground.color.a * (1 - lockSymbol.fadeIn))
                }
                NumberAnimation {
                    id: lockFade
                    target: lockSymbol
                    property: "fadeIn"
                    from: 0
                    to: 1
                    duration: 350
                    easing.type: Easing.InQuad
                }
            }
            Text {
                objectName: "lockTime"
                anchors.horizontalCenter: parent.horizontalCenter
                text: content.model.KestrelTime
                color: Foreground.color
                font.pixelSize: 80
                font.weight: Font.Light
            }
            Text {
                objectName: "lockDate"
                anchors.horizontalCenter: parent.horizontalCenter
                text: content.model.KestrelDate
                color: Foreground.color
                font.pixelSize: 25
                font.weight: Font.Light
            }
        }
    }

    Text {
        id: homeButton
        objectName: "pressHomeButton"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: AppContext.device.bottomInset + 20
        text: "Press home to open"
        color: Foreground.color
        opacity: homeArea.pressed ? 0.2 : 1
        MouseArea {
            id: homeArea
            anchors.fill: parent
            anchors.margins: -8
            onClicked: content.model.pressHome()
        }
    }

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: AppContext.device.bottomInset + 35
        // 250 points apart, except where that would push the buttons off a narrow screen: the
        // torch glyph with its slash is wider than the symbol it stands for.
        spacing: Math.min(250, content.width - torchButton.width - cameraButton.width - 2 * 8)

        LockscreenButton {
            id: torchButton
            objectName: "torchButton"
            anchors.verticalCenter: parent.verticalCenter
            symbol: content.model.torchState.isOn ? "flashlight.on.fill" : "flashlight.off.fill"
            symbolSize: 30
            active: content.model.torchState.isOn
            onClicked: content.model.pressTorch()
        }
        LockscreenButton {
            id: cameraButton
            objectName: "cameraButton"
            anchors.verticalCenter: parent.verticalCenter
            symbol: "camera.fill"
            symbolSize: 25
            active: content.model.OpenCamera
            onClicked: content.model.pressCamera()
        }
    }
}
