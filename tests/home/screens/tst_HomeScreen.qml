import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Home
import Kestrel.Ui
import Kestrel.Testing

// The home screen through its real views: pages, dock, folder, opening and closing apps, and
// the placeholder's way back to a new home screen.
ScreenTestCase {
    id: testCase
    name: "HomeScreen"

    property var home: null

    function init() {
        TestSupport.clearSettings()
        TestSupport.setNow("2024-01-09T09:41:00")
    }
    function cleanup() {
        TestSupport.setNow("")
    }

    function launch(page) {
        home = launchHome(page)
        waitForRendering(home)
        return home
    }
    function model() { return home.model }
    function find(name) { return findChild(home.current, name) }
    function tap(name) { mouseClick(find(name)) }
    function showPage(page) {
        home.pageOwner.CurrentPage = page
        const pages = find("pages")
        tryVerify(() => pages.currentIndex === page && !pages.moving
                  && Math.abs(pages.contentX - pages.originX - page * pages.width) < 1, 2000, "page " + page + " not shown")
    }
    function openedItem() { return find("openApp").currentItem }
    function rowFour() { return JSON.stringify(Array.from(find("iconPage2row4").children).map(c => c.objectName).filter(n => n)) }
    function longPress(name) {
        mousePress(find(name))
        wait(1000)
        mouseRelease(find(name))
    }
    function swipeHomeBar(dx, dy) { drag(find("homeBarGrabArea"), dx, dy) }
    // Opens a placeholder and taps its message: a new home screen takes this one's place.
    function placeholderRoundTrip(app) {
        const before = home.generation
        model().openAppView(app)
        const placeholder = find("commingSoon")
        verify(placeholder, "no placeholder for app " + app)
        placeholder.model.tapMessage()
        compare(home.generation, before + 1, "the message did not bring a new home screen")
    }

    function test_rowFourAlwaysHasFourSlots_data() {
        return [
            { tag: "neither", tessel: false, cydia: false, slots: ["tile33", "emptySlot", "emptySlot", "emptySlot"] },
            { tag: "store", tessel: true, cydia: false, slots: ["tile33", "tile34", "emptySlot", "emptySlot"] },
            { tag: "package manager second", tessel: false, cydia: true, slots: ["tile33", "tile35", "emptySlot", "emptySlot"] },
            { tag: "both", tessel: true, cydia: true, slots: ["tile33", "tile34", "tile35", "emptySlot"] },
        ]
    }
    function test_rowFourAlwaysHasFourSlots(data) {
        resetSettings({ Tessel_Installed: data.tessel, Cydia_Installed: data.cydia })
        launch(2)
        compare(rowFour(), JSON.stringify(data.slots))
        compare(find("iconPage2row4").width, find("iconPage2row3").width, "empty slots keep the row's width")
    }

    function test_deleteTheStoreFromItsContextMenu() {
        resetSettings({ Tessel_Installed: true, Cydia_Installed: true })
        launch(2)
        showPage(2)
        longPress("tile34")
        verify(find("tileContextMenu").visible, "no context menu on the store's tile")
        compare(find("contextMenuDelete").text, "Delete")
        compare(find("contextMenuDelete").color, Qt.color("red"))
        mouseClick(find("contextMenuDeleteArea"))
        compare(rowFour(), JSON.stringify(["tile33", "tile35", "emptySlot", "emptySlot"]))
        verify(!find("tileContextMenu").visible)

        // The package manager has no menu: a long press on it opens it like a tap.
        longPress("tile35")
        verify(!find("tileContextMenu").visible)
        compare([model().OpenApp, model().AppOpener], [true, AppView.AppCydia], "a long press on a tile without a menu is a tap")
    }

    Component {
        id: readsComponent
        SignalSpy { signalName: "refreshed" }
    }
    // The contacts tab comes on screen once per opening of Phone, so it reads the book once.
    function test_openingPhoneReadsTheBookOnce() {
        AppContext.contacts.grant()
        launch()
        model().openAppView(AppView.AppPhone)
        const reads = createTemporaryObject(readsComponent, testCase, { target: find("contactsPage").model })
        tryVerify(() => reads.count > 0, 2000, "the book was not read")
        wait(200)
        compare(reads.count, 1)
    }

    function test_homeBarColourAndPlace_data() {
        return [
            { tag: "Calculator", app: AppView.AppCalculator, white: true },
            { tag: "Tessel", app: AppView.AppTessel, white: true },
            { tag: "Settings", app: AppView.AppSettings, white: false },
        ]
    }
    function test_homeBarColourAndPlace(data) {
        TestSupport.setSetting("Tessel_Installed", true)
        launch(1)
        model().openAppView(data.app)
        const pill = find("homeBarPill")
        compare(pill.color, Qt.color(data.white ? "white" : "black"))
        compare(pill.width, 152)
        // The grab area ends 9 points above the screen's edge (the model sets it per phone).
        const grab = find("homeBarGrabArea")
        compare(grab.mapToItem(home, 0, grab.height).y, 844 - 9)
        tryVerify(() => find("appLoader") && find("appLoader").status === Loader.Ready, 5000, "the real screen did not load")
    }

    // Only an upward swipe on the home bar or the Home button closes a real app; a placeholder
    // has no home bar and ignores Home.
    function test_closingAnApp() {
        launch(1)
        AppContext.homePressed() // on the icons: nothing
        verify(!model().OpenApp)
        tap("tile0") // Settings
        for (const [dx, dy] of [[0, 60], [80, 0], [0, 0]]) {
            swipeHomeBar(dx, dy)
            verify(model().OpenApp, "a swipe by " + dx + ", " + dy + " closed the app")
        }
        swipeHomeBar(0, -2)
        verify(!model().OpenApp, "a short upward swipe must close")
        tryVerify(() => openedItem() === null, 2000, "the closed app was not released")
        verify(find("homeContent").visible)
        tap("dock1") // Phone
        AppContext.homePressed()
        verify(!model().OpenApp, "Home must close a real app as the home bar does")
        tap("dock2") // Messages
        AppContext.homePressed()
        verify(find("commingSoon"))
        compare(findChild(openedItem(), "homeBar"), null)
    }

    function test_folderStaysOpenAfterARealAppClosesAfterAPlaceholder() {
        launch(2)
        showPage(2)
        tap("extrasFolderIcon")
        tryCompare(find("extrasPanel"), "width", AppContext.device.screenWidth - 50)
        tap("folderItem1") // Phone
        compare(model().AppOpener, AppView.AppPhone)
        swipeHomeBar(0, -40)
        verify(model().ShowExtraFolder, "the folder must still be open on return from Phone")
        tryCompare(find("extrasPanel"), "width", AppContext.device.screenWidth - 50)
        tap("folderItem3") // Music
        mouseClick(find("commingSoonMessage"))
        verify(!model().ShowExtraFolder, "the new home screen starts with the folder closed")
        compare(find("extrasPanel").width, 0)
        compare(model().AppOpener, AppView.AppSettings)
        // A tap on the dimmer closes the folder.
        tap("extrasFolderIcon")
        tryCompare(find("extrasPanel"), "width", AppContext.device.screenWidth - 50)
        mouseClick(find("folderDimmer"), 20, 20)
        verify(!model().ShowExtraFolder)
        tryCompare(find("extrasPanel"), "width", 0)
    }

    function test_placeholderAlwaysShowsTheDefaultWallpaperAndOnlyTheTextActs() {
        TestSupport.setSetting("Homescreen_Wallpaper", "Earth")
        launch(1)
        compare(find("homeWallpaperPicture").name, "Earth")
        tap("dock2") // Messages
        const placeholder = find("commingSoon")
        compare(find("commingSoonMessage").text, "Messages Comming Soon!")
        compare(find("commingSoonWallpaper").source, Assets.url("Wallpaper"))
        const first = home.current
        mouseClick(placeholder, 20, 20)
        mouseClick(placeholder, 195, 700)
        verify(!placeholder.model.GoHome)
        compare(home.current, first)
    }

    function test_newHomeScreenKeepsThePageAndShowsTheTimeOfTheTap() {
        launch(2)
        showPage(2)
        tryVerify(() => find("calendarDayOfMonth")) // on a page made after the first frame
        compare(find("calendarDayOfMonth").text, "9")
        tap("tile25") // Watch
        TestSupport.setNow("2024-01-12T13:05:00")
        mouseClick(find("commingSoonMessage"))
        compare([model().CurrentPage, home.pageOwner.CurrentPage, find("pages").currentIndex], [2, 2, 2])
        // The pages not on display are made just after the new screen's first frame.
        tryVerify(() => find("calendarDayOfMonth") && find("searchTime"))
        compare([find("calendarDayOfMonth").text, find("calendarDay").text, find("searchTime").text],
                ["12", AppContext.clock.formatCurrentDate("EEEE"), "01:05"])
        // The page is still shared: a swipe on the new screen reaches the creator.
        showPage(1)
        compare(home.pageOwner.CurrentPage, 1)
    }

    // A transparent platter leaves the dock's icons shown and tappable; the search page hides them.
    function test_dockAndTheSearchPage() {
        TestSupport.setSetting("Dock_Opacity", 0)
        launch(1)
        compare(find("dockPlatter").opacity, 0)
        const dock = find("dock")
        const dockY = dock.mapToItem(home, 0, 0).y
        const dockHeight = dock.height
        verify(find("pageDots").visible)
        compare(dock.opacity, 1)
        tap("dock" + AppView.AppPhone)
        verify(model().OpenApp, "the dock icon must stay tappable")
        AppContext.homePressed()
        showPage(0)
        verify(!find("pageDots").visible)
        compare(dock.opacity, 0)
        compare(dock.height, dockHeight)
        compare(dock.mapToItem(home, 0, 0).y, dockY)
        mouseClick(find("dock3"))
        verify(!model().OpenApp, "the hidden dock took a tap")
        verify(find("searchBlur").item !== null, "the search page dims and blurs the wallpaper")
        // The suggestions open their apps.
        mouseClick(find("suggestion" + AppView.AppMusic))
        verify(model().OpenApp)
        compare(model().AppOpener, AppView.AppMusic)
    }

    function test_placeholderRoundTripsDoNotGrowTheTree() {
        launch(1)
        cyclesKeepNothing(home, i => placeholderRoundTrip([AppView.AppWeather, AppView.AppMessages, AppView.AppMusic][i % 3]))
        compare(home.generation, 111)
    }

    // Replacements faster than the fades: a screen replaced before its other pages were made
    // has them finished (destroyed half made, they leaked); one replaced twice lets them go.
    function test_rapidReplacementsFinishThenReleasePages() {
        launch(1)
        const screens = [home.current]
        for (let i = 0; i < 3; ++i) {
            placeholderRoundTrip(AppView.AppWeather)
            screens.push(home.current)
        }
        const made = s => [0, 1, 2].map(i => !!findChild(s, "pages").model.get(i).item)
        compare([0, 1, 2].map(i => made(screens[i])), [[false, false, false], [false, false, false], [true, true, true]])
        verify(!findChild(screens[1], "homeContent").visible)
    }
}
