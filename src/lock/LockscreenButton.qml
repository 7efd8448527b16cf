import QtQuick
import Kestrel.Ui

// A circular lock-screen button: a symbol with 17 points around its own outline on a white
// circle, solid while active and faint otherwise; the label grows to 1.4 times while pressed.
// The fill and the symbol's colour change on the ease-in curve.
Item {
    id: button

    property string symbol
    property int symbolSize: 30
    property bool active: false
    readonly property bool pressed: area.pressed
    signal clicked()

    implicitWidth: label.width
    implicitHeight: label.height
    Accessible.role: Accessible.Button
    Accessible.onPressAction: button.clicked()

    // The glyph's inked outline, not its em square: the font pads each glyph differently.
    TextMetrics {
        id: outline
        font: metrics.font
        text: SymbolTable.glyph(button.symbol)
    }
    FontMetrics {
        id: metrics
        // One font, not family and size set one after the other: metrics are measured at every
        // change, and the font in between would load a font size nothing draws.
        font: Qt.font({ family: SymbolTable.fontFamily,
                        pixelSize: Math.max(1, Math.round(button.symbolSize * SymbolTable.scale)) })
    }

    Item {
        id: label
        anchors.centerIn: parent
        width: Math.ceil(outline.tightBoundingRect.width) + 34
        height: Math.ceil(outline.tightBoundingRect.height) + 34
        scale: button.pressed ? 1.4 : 1.0
        Behavior on scale { NumberAnimation { duration: 350; easing.type: Easing.InQuad } }

        // A circle fitted to the padded outline, as wide as its shorter side.
        Rectangle {
            objectName: "buttonCircle"
            anchors.centerIn: parent
            width: Math.min(parent.width, parent.height)
            height: width
            radius: width / 2
            color: "white"
            opacity: button.active ? 1.0 : 0.2
            Behavior on opacity { NumberAnimation { duration: 350; easing.type: Easing.InQuad } }
        }
        // The symbol item centres the glyph's advance box; shift it so the outline is centred.
        Symbol {
            id: glyph
            objectName: "buttonSymbol"
            anchors.centerIn: parent
            anchors.horizontalCenterOffset: outline.advanceWidth / 2
                                            - (outline.tightBoundingRect.x + outline.tightBoundingRect.width / 2)
            anchors.verticalCenterOffset: metrics.height / 2
                                          - (metrics.ascent + outline.tightBoundingRect.y + outline.tightBoundingRect.height / 2)
            name: button.symbol
            size: button.symbolSize
            color: button.active ? "black" : "white"
            Behavior on color { ColorAnimation { duration: 350; easing.type: Easing.InQuad } }
        }
    }

    MouseArea {
        id: area
        anchors.fill: label
        onClicked: button.clicked()
    }
}
