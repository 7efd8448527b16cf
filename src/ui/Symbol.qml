import QtQuick
import Kestrel.Ui

// A system symbol by name ("lock.fill"), drawn as the glyph SymbolTable maps it to. `size` is the
// point size of the system font the symbol stands beside; the item is a square of about that
// glyph's height, with the glyph centred in it.
Item {
    id: symbol

    property string name
    property real size: 17
    property color color: "black"
    // The symbol font has one weight; heavier weights are emboldened by the font engine.
    property int weight: Font.Normal
    readonly property bool mapped: glyph.text !== ""

    implicitWidth: glyph.font.pixelSize
    implicitHeight: glyph.font.pixelSize

    Text {
        id: glyph
        anchors.centerIn: parent
        text: SymbolTable.glyph(symbol.name)
        color: symbol.color
        font.family: SymbolTable.fontFamily
        font.pixelSize: Math.max(1, Math.round(symbol.size * SymbolTable.scale))
        font.weight: symbol.weight
    }
}
