import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Home
import Kestrel.Lock
import Kestrel.Ui
import Kestrel.Testing

// The home screen through its real views: pages, dock, folder, opening and closing apps, and
// the placeholder's way back to a new home screen.
TestCase {
    id: testCase
    name: "HomeScreen"
    when: windowShown
    width: 390
    height: 844
    visible: true

    Component {
        id: ownerComponent
        LockscreenModel {}
    }
    Component {
        id: homeComponent
        HomeScreen {
            width: 390
            height: 844
            Foreground.color: "white"
        }
    }

    Component {
        id: appComponent
        KestrelApp { width: 390; height: 844 }
    }

    property var owner: null
    property var home: null

    function init() {
        TestSupport.clearSettings()
        TestSupport.setNow("2024-01-09T09:41:00")
    }
    function cleanup() {
        TestSupport.setNow("")
    }

    function launch(page) {
        owner = createTemporaryObject(ownerComponent, testCase)
        if (page !== undefined)
            owner.CurrentPage = page
        home = createTemporaryObject(homeComponent, testCase,
                                     { pageOwner: owner, clockStrings: AppContext.clock.clockStrings() })
        verify(home && home.current, "no home screen")
        waitForRendering(home)
        return home
    }
    function model() { return home.model }
    function find(name) { return findChild(home.current, name) }
    function tap(name) {
        const item = find(name)
        verify(item, "nothing named " + name + " is shown")
        mouseClick(item)
    }
    function showPage(page) {
        owner.CurrentPage = page
        const pages = find("pages")
        tryVerify(() => pages.currentIndex === page && !pages.moving
                  && Math.abs(pages.contentX - pages.originX - page * pages.width) < 1, 2000, "page " + page + " not shown")
    }
    function openedItem() { return find("openApp").currentItem }
    function rowFour() {
        const row = find("iconPage2row4")
        const names = []
        for (let i = 0; i < row.children.length; ++i)
            if (row.children[i].objectName !== "")
                names.push(row.children[i].objectName)
        return names
    }
    function swipeHomeBar(dx, dy) {
        const grab = find("homeBarGrabArea")
        verify(grab, "no home bar")
        mousePress(grab, grab.width / 2, grab.height / 2)
        mouseMove(grab, grab.width / 2 + dx / 2, grab.height / 2 + dy / 2)
        mouseMove(grab, grab.width / 2 + dx, grab.height / 2 + dy)
        mouseRelease(grab, grab.width / 2 + dx, grab.height / 2 + dy)
    }
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
        TestSupport.setSetting("Tessel_Installed", data.tessel)
        TestSupport.setSetting("Cydia_Installed", data.cydia)
        launch(2)
        compare(JSON.stringify(rowFour()), JSON.stringify(data.slots))
        // Empty slots keep the row's width.
        const row = find("iconPage2row4")
        compare(row.width, find("iconPage2row3").width)
    }

    function test_deleteTheStoreFromItsContextMenu() {
        TestSupport.setSetting("Tessel_Installed", true)
        TestSupport.setSetting("Cydia_Installed", true)
        launch(2)
        showPage(2)
        const store = find("tile34")
        mousePress(store)
        wait(1000)
        mouseRelease(store)
        verify(find("tileContextMenu").visible, "no context menu on the store's tile")
        compare(find("contextMenuDelete").text, "Delete")
        compare(find("contextMenuDelete").color, Qt.color("red"))
        mouseClick(find("contextMenuDeleteArea"))
        compare(String(TestSupport.storedSetting("Tessel_Installed")), "false")
        compare(JSON.stringify(rowFour()), JSON.stringify(["tile33", "tile35", "emptySlot", "emptySlot"]))
        verify(!find("tileContextMenu").visible)

        // The package manager has no menu: a long press on it opens it like a tap.
        const cydia = find("tile35")
        mousePress(cydia)
        wait(1000)
        mouseRelease(cydia)
        verify(!find("tileContextMenu").visible)
        compare(model().OpenApp, true, "a long press on a tile without a menu is a tap")
        compare(model().AppOpener, AppView.AppCydia)
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
            { tag: "Phone", app: AppView.AppPhone, white: false },
            { tag: "Safari", app: AppView.AppSafari, white: false },
            { tag: "Cydia", app: AppView.AppCydia, white: false },
        ]
    }
    function test_homeBarColourAndPlace(data) {
        TestSupport.setSetting("Tessel_Installed", true)
        TestSupport.setSetting("Cydia_Installed", true)
        launch(1)
        model().openAppView(data.app)
        const pill = find("homeBarPill")
        verify(pill, "no home bar over a real app")
        compare(pill.color, Qt.color(data.white ? "white" : "black"))
        compare(pill.width, 152)
        // On a phone with a bottom inset the grab area ends 9 points above the screen's edge.
        const grab = find("homeBarGrabArea")
        const bottom = grab.mapToItem(home, 0, grab.height).y
        compare(bottom, 844 - (AppContext.device.bottomInset > 0 ? AppContext.device.bottomInset - 25 : 10))
        if (AppView.screenAvailable(data.app)) {
            tryVerify(() => find("appLoader") && find("appLoader").status === Loader.Ready, 5000,
                      "the real screen did not load")
        } else {
            compare(find("emptyAppName").text, AppView.displayName(data.app))
            compare(find("emptyAppScreen").color, Qt.color(data.white ? "black" : "white"))
        }
    }

    function test_onlyAnUpwardSwipeOnTheHomeBarCloses() {
        launch(1)
        tap("tile0") // Settings
        verify(model().OpenApp)
        swipeHomeBar(0, 60)
        verify(model().OpenApp, "a downward swipe closed the app")
        swipeHomeBar(80, 0)
        verify(model().OpenApp, "a level swipe closed the app")
        swipeHomeBar(0, 0)
        verify(model().OpenApp, "a tap closed the app")
        swipeHomeBar(0, -2)
        verify(!model().OpenApp, "a short upward swipe must close")
        tryVerify(() => openedItem() === null, 2000, "the closed app was not released")
        verify(find("homeContent").visible)
    }

    function test_hardwareHomeButton() {
        launch(1)
        AppContext.homePressed() // on the icons: nothing
        verify(!model().OpenApp)
        tap("dock1") // Phone
        verify(model().OpenApp)
        AppContext.homePressed()
        verify(!model().OpenApp, "Home must close a real app as the home bar does")
        tap("dock2") // Messages: a placeholder, no home bar
        AppContext.homePressed()
        verify(model().OpenApp)
        verify(find("commingSoon"))
        compare(findChild(openedItem(), "homeBar"), null)
    }

    function test_folderOpenAfterARealAppClosedAfterAPlaceholder() {
        launch(2)
        showPage(2)
        tap("extrasFolderIcon")
        verify(model().ShowExtraFolder)
        tryCompare(find("extrasPanel"), "width", AppContext.device.screenWidth - 50)
        tap("folderItem1") // Phone
        verify(model().OpenApp)
        compare(model().AppOpener, AppView.AppPhone)
        swipeHomeBar(0, -40)
        verify(model().ShowExtraFolder, "the folder must still be open on return from Phone")
        tryCompare(find("extrasPanel"), "width", AppContext.device.screenWidth - 50)
        tap("folderItem3") // Music
        const first = home.current
        mouseClick(find("commingSoonMessage"))
        verify(home.current !== first, "no new home screen")
        verify(!model().ShowExtraFolder, "the new home screen starts with the folder closed")
        compare(find("extrasPanel").width, 0)
        compare(model().OpenApp, false)
        compare(model().AppOpener, AppView.AppSettings)
    }

    function test_tapOnTheDimmerClosesTheFolder() {
        launch(2)
        showPage(2)
        tap("extrasFolderIcon")
        tryCompare(find("extrasPanel"), "width", AppContext.device.screenWidth - 50)
        mouseClick(find("folderDimmer"), 20, 20)
        verify(!model().ShowExtraFolder)
        tryCompare(find("extrasPanel"), "width", 0)
    }

    function test_placeholderNamesTheApp_data() {
        return [
            { tag: "TV", tile: "tile12", name: "Apple TV" },
            { tag: "Weather", tile: "tile14", name: "Weather" },
            { tag: "Calendar", tile: "tile18", name: "Calendar" },
        ]
    }
    function test_placeholderNamesTheApp(data) {
        launch(1)
        tap(data.tile)
        compare(find("commingSoonMessage").text, data.name + " Comming Soon!")
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
        compare(find("calendarDayOfMonth").text, "9")
        tap("tile25") // Watch
        TestSupport.setNow("2024-01-12T13:05:00")
        mouseClick(find("commingSoonMessage"))
        compare(model().CurrentPage, 2)
        compare(owner.CurrentPage, 2)
        compare(find("pages").currentIndex, 2)
        compare(find("calendarDayOfMonth").text, "12")
        compare(find("calendarDay").text, AppContext.clock.formatCurrentDate("EEEE"))
        compare(find("searchTime").text, "01:05")
        // The page is still shared: a swipe on the new screen reaches the creator.
        showPage(1)
        compare(owner.CurrentPage, 1)
    }

    function test_searchPageHidesDotsAndDockButKeepsTheDocksPlace() {
        launch(1)
        const dock = find("dock")
        const dockY = dock.mapToItem(home, 0, 0).y
        const dockHeight = dock.height
        verify(find("pageDots").visible)
        compare(dock.opacity, 1)
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

    function test_dockOpacity_data() {
        return [
            { tag: "0", stored: 0, platter: 0 },
            { tag: "5", stored: 5, platter: 1 },
            { tag: "-3", stored: -3, platter: 0 },
        ]
    }
    function test_dockOpacity(data) {
        TestSupport.setSetting("Dock_Opacity", data.stored)
        launch(1)
        compare(find("dockPlatter").opacity, data.platter)
        const icon = find("dock" + AppView.AppMessages)
        verify(icon.visible)
        compare(icon.opacity, 1)
        compare(find("dock").opacity, 1)
        mouseClick(icon)
        verify(model().OpenApp, "the dock icon must stay tappable")
    }

    // Another screen writes settings while an app is open; on return the home screen shows them.
    function test_settingsWrittenByAnotherScreenShowOnReturn() {
        launch(2)
        tap("dock" + AppView.AppSafari)
        verify(model().OpenApp)
        const other = Qt.createQmlObject('import Kestrel.App; Setting { key: "Dock_Opacity"; defaultValue: 1 }', testCase)
        other.value = 0
        const install = Qt.createQmlObject('import Kestrel.App; Setting { key: "Cydia_Installed"; defaultValue: false }', testCase)
        install.value = true
        other.destroy()
        install.destroy()
        swipeHomeBar(0, -30)
        compare(find("dockPlatter").opacity, 0)
        compare(JSON.stringify(rowFour()), JSON.stringify(["tile33", "tile35", "emptySlot", "emptySlot"]))
    }

    function test_swipingThePagerWritesTheSharedPage() {
        launch(1)
        const pages = find("pages")
        mouseDrag(pages, 300, 300, -250, 0)
        tryCompare(owner, "CurrentPage", 2)
        tryVerify(() => !pages.moving)
        mouseDrag(pages, 50, 300, 300, 0)
        mouseDrag(pages, 50, 300, 300, 0)
        tryCompare(owner, "CurrentPage", 0)
        verify(model().searchPageShown)
    }

    // From the lock screen: the home screen shares the lock screen's page, and so does every
    // home screen a placeholder puts in its place.
    function test_throughTheFlowThePageBelongsToTheLockScreen() {
        TestSupport.setSetting("Setup_Complete", true)
        const app = createTemporaryObject(appComponent, testCase)
        tryVerify(() => findChild(app, "pressHomeButton") !== null, 2000)
        const lock = findChild(app, "lockscreen")
        mouseClick(findChild(app, "pressHomeButton"))
        tryVerify(() => findChild(app, "homeScreen") !== null, 2000, "no home screen")
        home = findChild(app, "homeScreen")
        owner = lock.model
        compare(home.pageOwner, lock.model)
        compare(lock.model.CurrentPage, 1)
        showPage(2)
        placeholderRoundTrip(AppView.AppFiles)
        compare(lock.model.CurrentPage, 2)
        compare(find("pages").currentIndex, 2)
        // Home on the icons of the new screen does nothing.
        AppContext.homePressed()
        verify(!model().OpenApp)
        verify(find("homeContent").visible)
    }

    // Screens that can never be seen again are released: placeholder round trips do not pile up.
    function test_placeholderRoundTripsDoNotGrowTheTree() {
        launch(1)
        for (let i = 0; i < 10; ++i)
            placeholderRoundTrip(AppView.AppMusic)
        wait(600)
        const after10 = TestSupport.objectCount(home)
        // Replaced screens go once their fade ends; give the fades time now and then. A single
        // object kept per trip would show as a hundred.
        for (let i = 1; i <= 100; ++i) {
            placeholderRoundTrip(i % 2 ? AppView.AppWeather : AppView.AppMessages)
            if (i % 25 === 0)
                wait(400)
        }
        wait(600)
        const after110 = TestSupport.objectCount(home)
        verify(after110 <= after10, "live objects grew from " + after10 + " to " + after110)
        compare(home.generation, 111)
    }
}
