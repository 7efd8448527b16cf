import QtQuick
import QtTest
import Kestrel.Ui
import Kestrel.Testing

ScreenTestCase {
    id: testCase
    name: "UiKit"

    Component {
        id: inkComponent
        Rectangle {
            property alias symbol: symbol
            width: 80
            height: 80
            color: "white"
            Symbol { id: symbol; anchors.centerIn: parent; name: "circle.fill"; size: 40; color: "black" }
        }
    }

    Component {
        id: foregroundComponent
        Item {
            property alias label: label
            Foreground.color: "white"
            Item { Text { id: label; color: Foreground.color } }
        }
    }

    // A screen's foreground colour reaches the text deep inside it; black where no one sets one.
    function test_foregroundColourIsInherited() {
        compare(createTemporaryObject(foregroundComponent, testCase).label.color, Qt.color("white"))
        compare(createTemporaryObject(inkComponent, testCase).symbol.Foreground.color, Qt.color("black"))
    }

    // The glyph must sit in the middle of the symbol's square, whatever the symbol font's ascent
    // and descent, and be about as tall as the point size it stands for.
    function test_glyphInkIsCentredAndSized() {
        const box = createTemporaryObject(inkComponent, testCase)
        verify(box.symbol.mapped, "a mapped name draws a glyph")
        waitForRendering(box)
        const image = grabImage(box)
        let left = box.width, right = -1, top = box.height, bottom = -1
        for (let y = 0; y < box.height; ++y) {
            for (let x = 0; x < box.width; ++x) {
                if (image.red(x, y) < 128) {
                    left = Math.min(left, x); right = Math.max(right, x)
                    top = Math.min(top, y); bottom = Math.max(bottom, y)
                }
            }
        }
        verify(right >= 0, "the glyph drew something")
        fuzzyCompare((left + right + 1) / 2, box.width / 2, 2, "horizontally centred")
        fuzzyCompare((top + bottom + 1) / 2, box.height / 2, 2, "vertically centred")
        fuzzyCompare(bottom - top + 1, 42, 5, "ink about the point size tall")
    }
}
