import QtQuick
import QtQuick.Controls
import Kestrel.App
import Kestrel.Apps.Phone
import Kestrel.Ui

// The Phone app: a two-tab screen, Contacts first, then the keypad. It has no selection of
// its own to restore, so every opening shows Contacts with an empty number.
Rectangle {
    id: phone
    objectName: "phone"

    // 0 Contacts, 1 Keypad.
    property int currentTab: 0
    readonly property alias keypad: keypadModel

    color: "white"

    PhoneKeypadModel {
        id: keypadModel
    }

    Item {
        id: content
        anchors.fill: parent
        anchors.topMargin: AppContext.device.topInset
        anchors.bottomMargin: tabBar.height

        PhoneContacts {
            anchors.fill: parent
            visible: phone.currentTab === 0
            shown: visible
        }

        PhoneKeypad {
            anchors.fill: parent
            visible: phone.currentTab === 1
            keypad: keypadModel
        }
    }

    Rectangle {
        id: tabBar
        objectName: "tabBar"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: 49 + AppContext.device.bottomInset
        color: "#F9F9F9"

        Rectangle {
            width: parent.width
            height: 0.5
            color: "#C6C6C8"
        }

        Item {
            width: parent.width
            height: 49

            Repeater {
                model: [{ label: "Contacts", symbol: "person.fill", tab: "contactsTab" },
                        { label: "Keypad", symbol: "circle.grid.3x3.fill", tab: "keypadTab" }]

                AbstractButton {
                    id: tab
                    required property var modelData
                    required property int index
                    readonly property color tint: phone.currentTab === index ? "#007AFF" : "#8E8E93"

                    objectName: modelData.tab
                    Accessible.name: modelData.label
                    Accessible.role: Accessible.PageTab
                    Accessible.selected: phone.currentTab === index
                    x: index * width
                    width: parent.width / 2
                    height: parent.height
                    focusPolicy: Qt.NoFocus
                    onClicked: phone.currentTab = index

                    contentItem: Item {
                        Column {
                            anchors.centerIn: parent
                            spacing: 2

                            Symbol {
                                anchors.horizontalCenter: parent.horizontalCenter
                                name: tab.modelData.symbol
                                size: 20
                                color: tab.tint
                            }
                            Text {
                                anchors.horizontalCenter: parent.horizontalCenter
                                text: tab.modelData.label
                                color: tab.tint
                                font.pixelSize: 10
                                font.weight: Font.Medium
                            }
                        }
                    }
                }
            }
        }
    }
}
