import QtQuick
import QtTest
import Kestrel.Ui

TestCase {
    id: testCase
    name: "UiKit"
    when: windowShown
    width: 200
    height: 200
    visible: true

    Component {
        id: symbolComponent
        Symbol {}
    }
    Component {
        id: inkComponent
        Rectangle {
            width: 80
            height: 80
            color: "white"
            Symbol { anchors.centerIn: parent; name: "circle.fill"; size: 40; color: "black" }
        }
    }
    Component {
        id: assetComponent
        Asset { width: 60; height: 60 }
    }

    function test_symbolDrawsItsGlyphAtTheGivenSize() {
        const small = createTemporaryObject(symbolComponent, testCase, { name: "lock.fill", size: 20 })
        const large = createTemporaryObject(symbolComponent, testCase, { name: "lock.fill", size: 40 })
        verify(small.mapped, "a mapped name draws a glyph")
        compare(large.implicitHeight, small.implicitHeight * 2, "the glyph scales with the symbol size")
        verify(small.implicitWidth > 20 && small.implicitWidth < 30, "a 20-point symbol is about 20 points tall")
    }

    // The glyph must sit in the middle of the symbol's square, whatever the symbol font's ascent
    // and descent, and be about as tall as the point size it stands for.
    function test_glyphInkIsCentredAndSized() {
        const box = createTemporaryObject(inkComponent, testCase)
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

    function test_unmappedSymbolIsReportedAsUnmapped() {
        ignoreWarning(/no glyph for the symbol "no.such.symbol"/)
        const symbol = createTemporaryObject(symbolComponent, testCase, { name: "no.such.symbol" })
        verify(!symbol.mapped)
    }

    function test_assetLoadsNamedPictures_data() {
        return [{ tag: "icon", name: "SettingsIcon" }, { tag: "picture", name: "SiriIcon" }, { tag: "wallpaper", name: "Earth" }]
    }
    function test_assetLoadsNamedPictures(data) {
        const asset = createTemporaryObject(assetComponent, testCase, { name: data.name })
        tryCompare(asset, "status", Image.Ready)
    }

    function test_unknownAssetShowsNothing() {
        const asset = createTemporaryObject(assetComponent, testCase, { name: "NoSuchPicture" })
        compare(asset.status, Image.Null)
    }

    function test_namedColoursReachQml() {
        verify(Qt.colorEqual(NamedColors.MyPurple, NamedColors.color("MyPurple")))
        verify(!Qt.colorEqual(NamedColors.GradientColor1, NamedColors.GradientColor2))
    }
}
