import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Store
import Kestrel.Testing

// The store through its real screen, on both phones: rows, search typed into the field, taps that
// hand install links on, and an icon server that does not answer.
ScreenTestCase {
    id: testCase
    name: "Tessel"

    // Nothing listens on port 1: every icon fails at once.
    readonly property string deadIconServer: "http://127.0.0.1:1/icons/"

    Component {
        id: storeComponent
        Tessel {
            width: testCase.width
            height: testCase.height
        }
    }

    function open() {
        const store = createTemporaryObject(storeComponent, testCase, { iconBase: deadIconServer })
        waitForRendering(store)
        return store
    }
    function rows(store) {
        return Array.from(findChild(store, "storeList").children).filter(c => c.objectName.startsWith("storeRow_")).sort((a, b) => a.y - b.y)
    }
    function names(store) { return rows(store).map(row => row.name) }
    function typeSearch(store, text) {
        const field = findChild(store, "storeSearchField")
        mouseClick(field)
        verify(field.activeFocus, "the search field takes no focus")
        for (const ch of text)
            keyClick(ch)
    }
    // Scrolls the row into view and taps it at the given height inside its 150-point frame.
    function tapRow(store, row, y) {
        const scroller = findChild(store, "storeScroller")
        scroller.contentY = Math.max(-scroller.topMargin, row.mapToItem(scroller.contentItem, 0, 0).y - 200)
        waitForRendering(store)
        mouseClick(row, 150, y)
    }

    function test_rowsOverlapInTableOrder() {
        const store = open()
        const shown = rows(store)
        compare(shown.length, 28)
        compare([shown[0].name, shown[27].name], ["Retrovane", "Launch Reels"])
        compare(shown[1].y - shown[0].y, 105, "rows overlap by 45 points")
        verify(findChild(store, "storeSearchPlaceholder").visible)
        compare(store.model.SearchString, "")
        compare(TestSupport.clippedControls(store), [])
        // The search box reaches the trailing edge; the longest name fits beside its badge.
        const right = (item) => item.mapToItem(store, item.width, 0).x
        compare(right(findChild(store, "storeSearchBox")), testCase.width)
        const longest = findChild(store, "storeRow_Wavelet Radio")
        verify(!findChild(longest, "storeRowName").truncated)
        compare(right(findChild(longest, "storeRowBadge")), testCase.width - 32)
        const scroller = findChild(store, "storeScroller")
        scroller.contentY = scroller.contentHeight - scroller.height + scroller.bottomMargin
        waitForRendering(store)
        compare(TestSupport.clippedControls(store), [], "at the end of the list")
    }

    function test_typingNarrowsTheRows() {
        const store = open()
        typeSearch(store, "ra")
        tryCompare(store.model, "SearchString", "ra")
        compare(names(store).length, 6)
        verify(!findChild(store, "storeSearchPlaceholder").visible, "the placeholder stays over typed text")
        keyClick("z")
        compare(names(store), [], "a search that matches no name shows no rows")
        for (let i = 0; i < 3; ++i)
            keyClick(Qt.Key_Backspace)
        compare(names(store).length, 28)
        verify(findChild(store, "storeSearchPlaceholder").visible)
        // Tapping the placeholder reaches the field under it.
        findChild(store, "storeSearchField").focus = false
        mouseClick(findChild(store, "storeSearchPlaceholder"))
        verify(findChild(store, "storeSearchField").activeFocus)
    }

    // A tap anywhere in a row's band, even where the row above still reaches, installs that row;
    // the icon server being down changes nothing about it.
    function test_tapHandsOnTheInstallLinkWithIconsDown() {
        const store = open()
        const shown = rows(store)
        const icon = findChild(shown[3], "storeRowIcon")
        tryVerify(() => !icon.imageManager.error.isNull && !icon.imageManager.isLoading, 5000, "the icon load did not fail")
        verify(!icon.hasImage)
        compare([icon.width, icon.height], [50, 50], "a failed icon keeps its slot")
        const before = TestSupport.handOffs().length
        for (const [row, y] of [[shown[3], 75], [shown[3], 30], [shown[4], 30], [shown[27], 120]]) {
            tapRow(store, row, y)
            const handOffs = TestSupport.handOffs()
            compare(handOffs[handOffs.length - 1], row.installLink, "tap at " + y + " in " + row.name)
        }
        compare(TestSupport.handOffs().length, before + 4)
    }
}
