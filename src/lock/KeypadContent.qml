import QtQuick
import Qt5Compat.GraphicalEffects
import Kestrel.App
import Kestrel.Lock
import Kestrel.Ui

// The passcode keypad over the dimmed, blurred lock wallpaper.
Item {
    id: content
    objectName: "keypadContent"

    required property UnlockscreenModel model

    Component.onCompleted: model.contentAppeared()

    Item {
        id: dimmed
        anchors.fill: parent
        visible: false
        LockWallpaper {
            anchors.fill: parent
        }
        Rectangle {
            anchors.fill: parent
            color: "black"
            opacity: 0.5
        }
    }
    FastBlur {
        objectName: "blurredWallpaper"
        anchors.fill: parent
        source: dimmed
        radius: 30
        transparentBorder: false
    }

    // "Correct!" accepts, an empty text clears a wrong six-digit entry: each acts when it
    // comes into view.
    Loader {
        anchors.centerIn: parent
        active: content.model.result !== UnlockscreenModel.NoResult
        sourceComponent: Text {
            objectName: "resultText"
            text: content.model.result === UnlockscreenModel.Correct ? "Correct!" : ""
            color: Foreground.color
            Component.onCompleted: Qt.callLater(content.model.resultAppeared)
        }
    }

    // Centred in the safe area: on the short phone there is no room to spare above or below.
    Column {
        objectName: "keypadStack"
        anchors.centerIn: parent
        anchors.verticalCenterOffset: (AppContext.device.topInset - AppContext.device.bottomInset) / 2
        spacing: 60

        Text {
            objectName: "passcodeTitle"
            anchors.horizontalCenter: parent.horizontalCenter
            text: content.model.title
            color: Foreground.color
            font.pixelSize: 25
            font.weight: Font.Medium
            transform: Translate { y: 30 }
        }

        Row {
            objectName: "passcodeDots"
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 25
            Repeater {
                model: 6
                Symbol {
                    required property int index
                    objectName: "dot" + (index + 1)
                    anchors.verticalCenter: parent.verticalCenter
                    name: content.model.Password.length > index ? "circle.fill" : "circle"
                    opacity: content.model.Password.length > index ? 1.0 : 0.5
                    size: 17
                    color: Foreground.color
                }
            }
        }

        Column {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 15

            Repeater {
                model: [
                    [["1", ""], ["2", "ABC"], ["3", "DEF"]],
                    [["4", "GHI"], ["5", "JKL"], ["6", "MNO"]],
                    [["7", "PQRS"], ["8", "TUV"], ["9", "WXYZ"]],
                    [["0", ""]],
                ]
                Row {
                    required property var modelData
                    anchors.horizontalCenter: parent.horizontalCenter
                    spacing: 30
                    Repeater {
                        model: parent.modelData
                        PasscodeButton {
                            required property var modelData
                            objectName: "key" + modelData[0]
                            onClicked: content.model.pressDigit(modelData[0])
                            Column {
                                Text {
                                    anchors.horizontalCenter: parent.horizontalCenter
                                    text: modelData[0]
                                    color: Foreground.color
                                    font.pixelSize: 35
                                }
                                Text {
                                    anchors.horizontalCenter: parent.horizontalCenter
                                    visible: modelData[1] !== ""
                                    text: modelData[1]
                                    color: Foreground.color
                                    font.pixelSize: 13
                                }
                            }
                        }
                    }
                }
            }
        }

        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 120
            Text {
                objectName: "emergencyText"
                anchors.verticalCenter: parent.verticalCenter
                text: "Emergency"
                color: Foreground.color
            }
            Text {
                objectName: "cancelDeleteButton"
                anchors.verticalCenter: parent.verticalCenter
                text: content.model.Password === "" ? "Cancel" : "Delete"
                color: Foreground.color
                opacity: cancelArea.pressed ? 0.2 : 1
                MouseArea {
                    id: cancelArea
                    anchors.fill: parent
                    anchors.margins: -8
                    onClicked: content.model.Password === "" ? content.model.pressCancel()
                                                             : content.model.pressDelete()
                }
            }
        }
    }
}
