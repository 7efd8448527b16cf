import QtQuick
import QtQuick.Controls.Basic
import Kestrel.App
import Kestrel.Apps.Settings
import Kestrel.Ui

// The passcode settings: biometric unlock, the passcode on or off, "Change Passcode" (which
// shows "Make A Passcode" in place of the list) and "Require Passcode".
Item {
    id: page
    objectName: "faceIDPasscodeView"

    // The stack and status of the page that holds this view (the gate).
    property StackView stackView: null
    property bool current: true
    readonly property bool faceId: AppContext.device.faceId
    readonly property FaceIDPasscodeModel model: passcode
    property string title: passcode.ChangePasscode ? "" : (faceId ? "Face ID & Passcode" : "Touch ID & Passcode")

    FaceIDPasscodeModel {
        id: passcode
    }

    Loader {
        objectName: "passcodeContent"
        anchors.fill: parent
        sourceComponent: passcode.ChangePasscode ? makePasscode : list
    }

    Component {
        id: makePasscode
        PasscodeKeypad {
            objectName: "makePasscode"
            heading: "Make A Passcode"
            count: passcode.App_Passcode.length
            onDigitPressed: digit => passcode.pressDigit(digit)
        }
    }

    Component {
        id: list
        Rectangle {
            objectName: "passcodeList"
            color: "#f2f2f7"
            // Each time the list shows, an unfinished passcode is discarded; also on coming back
            // from a page pushed over it.
            Component.onCompleted: passcode.listShown()
            readonly property bool current: page.current
            onCurrentChanged: if (current) passcode.listShown()

            Flickable {
                anchors.fill: parent
                contentHeight: rows.height + 40
                clip: true

                Column {
                    id: rows
                    width: parent.width

                    Item {
                        width: parent.width
                        height: 100
                        Symbol {
                            objectName: "biometryPicture"
                            anchors.centerIn: parent
                            name: page.faceId ? "faceid" : "touchid"
                            color: page.faceId ? "gray" : "red"
                            opacity: page.faceId ? 0.5 : 1
                            size: 55
                            Accessible.role: Accessible.Graphic
                            Accessible.name: page.faceId ? "Face ID" : "Touch ID"
                        }
                    }

                    SectionHeader { text: page.faceId ? "Use Face ID For" : "Use Touch ID For" }
                    SwitchRow {
                        objectName: "iPhoneUnlockSwitch"
                        text: "iPhone Unlock"
                        checked: passcode.Use_FaceID_TouchID
                        onToggled: passcode.Use_FaceID_TouchID = checked
                    }
                    SwitchRow { objectName: "storeSwitch"; text: "iTunes & App Store"; checked: true; enabled: false }
                    SwitchRow { objectName: "autoFillSwitch"; text: "Safari AutoFill"; checked: true; enabled: false; last: true }

                    Item { width: 1; height: 35 }
                    ListRow {
                        objectName: "turnPasscodeButton"
                        text: passcode.Use_Passcode ? "Turn Passcode Off" : "Turn Passcode On"
                        textColor: "#007aff"
                        last: !passcode.Use_Passcode
                        onClicked: passcode.togglePasscode()
                    }
                    ListRow {
                        objectName: "changePasscodeButton"
                        visible: passcode.Use_Passcode
                        text: "Change Passcode"
                        textColor: "#007aff"
                        last: true
                        onClicked: passcode.startChangePasscode()
                    }

                    Item { width: 1; height: 35 }
                    ListRow {
                        objectName: "requirePasscodeRow"
                        text: "Require Passcode"
                        detail: "Immediately"
                        chevron: true
                        last: true
                        onClicked: page.stackView.push(Qt.resolvedUrl("CommingSoonPage.qml"))
                    }
                }
            }
        }
    }

    component SectionHeader: Text {
        x: 16
        width: parent ? parent.width - 32 : 0
        topPadding: 18
        bottomPadding: 6
        color: "black"
        opacity: 0.5
        font.pixelSize: 13
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    component ListRow: Rectangle {
        id: row
        property string text
        property string detail
        property color textColor: "black"
        property bool chevron: false
        property bool last: false
        signal clicked()

        width: parent ? parent.width : 0
        height: 44
        color: rowArea.pressed ? "#d1d1d6" : "white"
        Accessible.role: Accessible.Button
        Accessible.name: detail !== "" ? text + ", " + detail : text
        Accessible.onPressAction: clicked()

        Text {
            x: 16
            anchors.verticalCenter: parent.verticalCenter
            text: row.text
            color: row.textColor
            font.pixelSize: 17
        }
        Text {
            anchors.right: parent.right
            anchors.rightMargin: row.chevron ? 34 : 16
            anchors.verticalCenter: parent.verticalCenter
            text: row.detail
            color: "black"
            opacity: 0.5
            font.pixelSize: 17
        }
        Symbol {
            visible: row.chevron
            anchors.right: parent.right
            anchors.rightMargin: 14
            anchors.verticalCenter: parent.verticalCenter
            name: "chevron.right"
            size: 13
            color: "#c4c4c6"
        }
        Rectangle {
            visible: !row.last
            anchors.bottom: parent.bottom
            x: 16
            width: parent.width - 16
            height: 0.5
            color: "#c6c6c8"
        }
        MouseArea {
            id: rowArea
            anchors.fill: parent
            onClicked: row.clicked()
        }
    }

    component SwitchRow: Rectangle {
        id: switchRow
        property string text
        property alias checked: toggle.checked
        property bool last: false
        signal toggled()

        width: parent ? parent.width : 0
        height: 44
        color: "white"

        Text {
            x: 16
            anchors.verticalCenter: parent.verticalCenter
            text: switchRow.text
            color: "black"
            font.pixelSize: 17
        }
        Switch {
            id: toggle
            objectName: switchRow.objectName + "Control"
            anchors.right: parent.right
            anchors.rightMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            enabled: switchRow.enabled
            padding: 0
            Accessible.name: switchRow.text
            onToggled: switchRow.toggled()
            indicator: Rectangle {
                implicitWidth: 51
                implicitHeight: 31
                radius: 15.5
                color: toggle.checked ? "#34c759" : "#e9e9ea"
                opacity: toggle.enabled ? 1 : 0.5
                Rectangle {
                    x: toggle.checked ? parent.width - width - 2 : 2
                    anchors.verticalCenter: parent.verticalCenter
                    width: 27
                    height: 27
                    radius: 13.5
                    color: "white"
                    border.color: "#d1d1d6"
                    border.width: 0.5
                    Behavior on x { NumberAnimation { duration: 150 } }
                }
            }
        }
        Rectangle {
            visible: !switchRow.last
            anchors.bottom: parent.bottom
            x: 16
            width: parent.width - 16
            height: 0.5
            color: "#c6c6c8"
        }
    }
}
