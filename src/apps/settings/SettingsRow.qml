import QtQuick
import QtQuick.Controls
import Kestrel.Home
import Kestrel.Ui

// One row of a grouped list, drawn from its table entry (see SettingsRows): the account row,
// a tile with a symbol or picture, a picture that is its own tile, plain text, or a blue button.
// Rows that lead somewhere end in a chevron; details stand at the right at half opacity.
AbstractButton {
    id: row

    required property var row
    property bool first: false
    property bool switchOn: false
    signal toggled(bool on)

    readonly property string kind: row.kind
    readonly property bool navigates: row.page !== "" && kind !== "button"
    readonly property bool hasTile: kind === "tile" || kind === "switch" || kind === "picture"

    objectName: "row:" + row.label
    height: kind === "account" ? 90 : (hasTile ? 51 : 44)
    Accessible.name: row.label + (row.detail !== "" && kind !== "account" ? ", " + row.detail : "")
    Accessible.role: kind === "switch" ? Accessible.Row : Accessible.Button

    background: Rectangle {
        // The switch row is no button: only its switch answers.
        color: row.pressed && row.kind !== "switch" ? "#D1D1D6" : "transparent"
        radius: 10

        // Hairline above every row but the first, starting under the label as the phone draws it.
        Rectangle {
            visible: !row.first
            x: label.x
            width: parent.width - x
            height: 0.5
            color: "#C6C6C8"
        }
    }

    contentItem: Item {
        // The account row: a round picture beside the name and its subtitle.
        RoundedPicture {
            id: accountPicture
            visible: row.kind === "account"
            x: 16
            anchors.verticalCenter: parent.verticalCenter
            width: 70
            height: 70
            radius: 35
            name: visible ? row.row.picture : ""
        }
        Column {
            visible: row.kind === "account"
            anchors.left: accountPicture.right
            anchors.leftMargin: 15
            anchors.right: chevron.left
            anchors.rightMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            Text {
                width: parent.width
                text: row.row.label
                color: "black"
                font.pixelSize: 25
                elide: Text.ElideRight
            }
            Text {
                width: parent.width
                text: row.row.detail
                color: "black"
                font.pixelSize: 15
                elide: Text.ElideRight
            }
        }

        // A coloured tile with a white symbol or a 25-point picture.
        Rectangle {
            id: tile
            objectName: "tile"
            visible: row.row.tileColor !== ""
            x: 16
            anchors.verticalCenter: parent.verticalCenter
            width: 35
            height: 35
            radius: 10
            color: visible ? row.row.tileColor : "transparent"

            Symbol {
                objectName: "tileSymbol"
                anchors.centerIn: parent
                visible: row.row.symbol !== ""
                name: row.row.symbol
                size: row.row.symbolSize
                color: "white"
            }
            Asset {
                anchors.centerIn: parent
                visible: row.row.symbol === "" && row.row.picture !== ""
                width: 25
                height: 25
                name: visible ? row.row.picture : ""
            }
        }
        // A picture that is its own tile (Siri, the store rows).
        RoundedPicture {
            id: pictureTile
            visible: row.kind === "picture"
            x: 16
            anchors.verticalCenter: parent.verticalCenter
            width: 35
            height: 35
            radius: 10
            name: visible ? row.row.picture : ""
        }

        Text {
            id: label
            objectName: "label"
            visible: row.kind !== "account"
            x: row.hasTile ? 16 + 35 + 12 : 16
            anchors.verticalCenter: parent.verticalCenter
            width: Math.max(0, (detail.visible ? detail.x - 8 : (chevron.visible ? chevron.x : parent.width - 16)) - x)
            text: row.row.label
            color: row.kind === "button" ? "#007AFF" : "black"
            font.pixelSize: 17
            elide: Text.ElideRight
        }
        Text {
            id: detail
            objectName: "detail"
            visible: row.kind !== "account" && row.row.detail !== ""
            anchors.right: chevron.visible ? chevron.left : parent.right
            anchors.rightMargin: chevron.visible ? 6 : 16
            anchors.verticalCenter: parent.verticalCenter
            text: row.row.detail
            color: "black"
            opacity: 0.5
            font.pixelSize: 17
        }
        Symbol {
            id: chevron
            objectName: "chevron"
            visible: row.navigates
            anchors.right: parent.right
            anchors.rightMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            name: "chevron.right"
            size: 14
            color: "#C4C4C7"
        }
        PhoneSwitch {
            objectName: "switch"
            visible: row.kind === "switch"
            enabled: visible
            anchors.right: parent.right
            anchors.rightMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            checked: row.switchOn
            Accessible.name: row.row.label
            onToggled: row.toggled(checked)
        }
    }
}
