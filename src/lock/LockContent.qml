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
                objectName: "lockSymbol"
                anchors.horizontalCenter: parent.horizontalCenter
                visible: content.model.usePasscode
                name: content.model.lockSymbol !== "" ? content.model.lockSymbol : "lock.fill"
                size: 40
                color: Foreground.color
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
        Accessible.role: Accessible.Button
        Accessible.name: text
        Accessible.onPressAction: content.model.pressHome()
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
        spacing: 250

        LockscreenButton {
            objectName: "torchButton"
            anchors.verticalCenter: parent.verticalCenter
            symbol: content.model.torchState.isOn ? "flashlight.on.fill" : "flashlight.off.fill"
            symbolSize: 30
            Accessible.name: "Torch"
            Accessible.checkable: true
            Accessible.checked: active
            active: content.model.torchState.isOn
            onClicked: content.model.pressTorch()
        }
        LockscreenButton {
            objectName: "cameraButton"
            anchors.verticalCenter: parent.verticalCenter
            symbol: "camera.fill"
            symbolSize: 25
            Accessible.name: "Camera"
            active: content.model.OpenCamera
            onClicked: content.model.pressCamera()
        }
    }
}
