import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Home
import Kestrel.Lock
import Kestrel.Store
import Kestrel.Testing

// The store through its real screen: rows, search typed into the field, taps that hand install
// links on, and an icon server that does not answer.
TestCase {
    id: testCase
    name: "Tessel"
    when: windowShown
    width: AppContext.device.screenWidth
    height: AppContext.device.screenHeight
    visible: true

    // Nothing listens on port 1: every icon fails at once.
    readonly property string deadIconServer: "http://127.0.0.1:1/icons/"

    Component {
        id: storeComponent
        Tessel {
            width: testCase.width
            height: testCase.height
        }
    }

    Component {
        id: ownerComponent
        LockscreenModel {}
    }
    Component {
        id: homeComponent
        HomeScreen {
            width: testCase.width
            height: testCase.height
        }
    }

    function open() {
        const store = createTemporaryObject(storeComponent, testCase, { iconBase: deadIconServer })
        verify(store, "no store screen")
        waitForRendering(store)
        return store
    }
    function rows(store) {
        const list = findChild(store, "storeList")
        const shown = []
        for (let i = 0; i < list.children.length; ++i)
            if (list.children[i].objectName.startsWith("storeRow_"))
                shown.push(list.children[i])
        return shown.sort((a, b) => a.y - b.y)
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
        compare(shown[0].name, "Retrovane")
        compare(shown[27].name, "Launch Reels")
        compare(shown[1].y - shown[0].y, 105, "rows overlap by 45 points")
        const icon = findChild(shown[0], "storeRowIcon")
        compare([icon.width, icon.height], [50, 50])
        verify(findChild(store, "storeSearchPlaceholder").visible)
        compare(store.model.SearchString, "")
        compare(TestSupport.clippedControls(store), [])
    }

    function test_typingNarrowsTheRows() {
        const store = open()
        typeSearch(store, "ra")
        tryCompare(store.model, "SearchString", "ra")
        compare(names(store), ["Bitcradle", "Frameway 2", "Murmurgram", "Wavelet Radio", "Brambleclash", "Gradient Jar"])
        verify(!findChild(store, "storeSearchPlaceholder").visible, "the placeholder stays over typed text")
        keyClick("z")
        compare(names(store), [], "a search that matches no name shows no rows")
        keyClick(Qt.Key_Backspace)
        keyClick(Qt.Key_Backspace)
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
        verify(shown[3].installLink.startsWith("itms-services://?action=download-manifest&amp;url=http"))
    }

    function test_everyRowAndControlIsNamed() {
        const store = open()
        compare(findChild(store, "storeSearchField").Accessible.name, "Search")
        compare(findChild(store, "storeTitle").Accessible.name, "Tessel")
        for (const row of rows(store)) {
            compare(row.Accessible.name, row.name)
            compare(findChild(row, "storeRowBadge").Accessible.name, "Download " + row.name)
            compare(findChild(row, "storeRowIcon").Accessible.name, row.name + " icon")
        }
    }

    // Each store screen starts with an empty search.
    function test_reopeningStartsEmpty() {
        const first = open()
        typeSearch(first, "ll")
        compare(names(first).length, 4)
        first.destroy()
        const second = open()
        compare(second.model.SearchString, "")
        compare(names(second).length, 28)
    }

    // Once installed, the store's icon on the home screen opens this screen under a white home bar.
    function test_homeScreenOpensTheStore() {
        TestSupport.setSetting("Tessel_Installed", true)
        const owner = createTemporaryObject(ownerComponent, testCase)
        const home = createTemporaryObject(homeComponent, testCase, { pageOwner: owner, clockStrings: AppContext.clock.clockStrings() })
        home.model.openAppView(AppView.AppTessel)
        tryVerify(() => findChild(home.current, "tessel") !== null, 3000, "the store did not open")
        const store = findChild(home.current, "tessel")
        compare(findChild(store, "storeList").children.length - 1, 28)
        compare(findChild(home.current, "homeBarPill").color, Qt.color("white"))
        TestSupport.clearSettings()
    }
}
