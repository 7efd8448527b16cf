import QtQuick
import QtQuick.Controls
import Kestrel.Ui
import Kestrel.Store

// The store's search box: the gradient field with the glyph; every change of its text narrows
// the rows at once. "Search" shows while it is empty.
StoreGradient {
    id: box
    objectName: "storeSearchBox"

    required property TesselModel store

    height: 50
    radius: 15

    Symbol {
        id: glyph
        objectName: "storeSearchGlyph"
        x: 15
        anchors.verticalCenter: parent.verticalCenter
        name: "magnifyingglass"
        color: NamedColors.MyWhite
        Accessible.ignored: true
    }

    TextField {
        id: field
        objectName: "storeSearchField"
        anchors.left: glyph.right
        anchors.leftMargin: 8
        anchors.right: parent.right
        anchors.rightMargin: 15
        anchors.verticalCenter: parent.verticalCenter
        padding: 0
        background: null
        placeholderText: ""
        color: NamedColors.MyWhite
        font.pixelSize: 17
        inputMethodHints: Qt.ImhNoPredictiveText | Qt.ImhNoAutoUppercase
        cursorDelegate: Rectangle {
            width: 2
            color: NamedColors.MyWhite
            visible: field.cursorVisible
        }
        text: box.store.SearchString
        onTextChanged: box.store.SearchString = text
        Accessible.role: Accessible.EditableText
        Accessible.name: "Search"

        Text {
            objectName: "storeSearchPlaceholder"
            anchors.fill: parent
            verticalAlignment: Text.AlignVCenter
            text: "Search"
            color: NamedColors.MyWhite
            font: field.font
            visible: field.text === ""
            Accessible.ignored: true
        }
    }
}
