import QtQuick
import QtTest
import Kestrel.Ui

TestCase {
    id: testCase
    name: "UiKit"
    when: windowShown
    width: 200
    height: 200

    Component {
        id: symbolComponent
        Symbol {}
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
