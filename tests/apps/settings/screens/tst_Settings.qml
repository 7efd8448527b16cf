import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Settings
import Kestrel.Home
import Kestrel.Lock
import Kestrel.Testing
import ".."

// The Settings app driven through its screens: the list, every decorative row, General,
// Software Update and Reset.
SettingsDriver {
    id: testCase
    name: "Settings"

    function init() { TestSupport.clearSettings() }

    function test_listShowsItsFiveSectionsOnAFaceIdPhone() {
        const screen = open()
        const list = screen.stack.currentItem
        compare(findChild(screen, "navigationTitle").text, "", "the list's title is large, not inline")
        compare(labelsOf(list), ["Tessel", "Airplane Mode", "WiFi", "Bluetooth", "Cellular", "Personal Hotspot",
                                 "Notifications", "Control Center", "Do Not Disturb", "General",
                                 "Display & Brightness", "Wallpaper", "Sounds & Haptics", "Siri",
                                 "Face ID & Passcode", "Battery", "Privacy", "iTunes & App Store",
                                 "Wallet & Apple Pay"])
        const biometry = findRow(screen, "Face ID & Passcode")
        compare(findChild(biometry, "tile").color, Qt.color("#34C759"), "green tile on Face ID")
        compare(findChild(biometry, "tileSymbol").name, "faceid")
        compare(findChild(findRow(screen, "WiFi"), "detail").opacity, 0.5)
        verify(!findChild(findRow(screen, "Airplane Mode"), "chevron").visible, "a switch row leads nowhere")
        for (const row of rowsOf(list)) {
            const symbol = findChild(row, "tileSymbol")
            verify(!symbol || !symbol.visible || symbol.mapped, row.entry.label + " has a mapped symbol")
            verify(row.Accessible.name !== "", row.entry.label + " has an accessible name")
        }
        compare(TestSupport.clippedControls(screen), [])
    }

    // One row of each kind that leads nowhere yet, on the list and on General.
    function test_decorativeRowsOpenComingSoon_data() {
        return ["Tessel", "WiFi", "Bluetooth", "Siri", "Wallet & Apple Pay", "General/About", "General/VPN"]
               .map(path => ({ tag: path, path: path }))
    }
    function test_decorativeRowsOpenComingSoon(data) {
        const screen = open()
        const steps = data.path.split("/")
        steps.forEach(step => tapRow(screen, step))
        const page = screen.stack.currentItem
        compare(page.objectName, "commingSoonPage")
        compare(textsOf(page), ["Comming Soon"], "the page holds that text and nothing else")
        compare(findChild(screen, "navigationTitle").text, "")
        for (let i = steps.length; i > 0; --i)
            back(screen)
        compare(screen.stack.depth, 1, "back returns to the list")
    }

    Component { id: ownerComponent; LockscreenModel {} }
    Component { id: homeComponent; HomeScreen { width: testCase.width; height: testCase.height } }

    // Opened from the home screen and closed with its Home button, as a person does it.
    function openFromHome(home) {
        home.model.openAppView(AppView.Settings)
        const loader = () => findChild(home.current, "appLoader")
        tryVerify(() => loader() && loader().status === Loader.Ready, 5000, "Settings opens")
        wait(400)
        return loader().item
    }

    function test_airplaneModeIsViewStateOnly() {
        const owner = createTemporaryObject(ownerComponent, testCase)
        const home = createTemporaryObject(homeComponent, testCase,
                                           { pageOwner: owner, clockStrings: AppContext.clock.clockStrings() })
        let screen = openFromHome(home)
        compare(screen.stack.y, findChild(screen, "navigationBar").height, "the pages start under the bar")
        compare(screen.stack.height, screen.height - screen.stack.y)
        const toggle = findChild(findRow(screen, "Airplane Mode"), "switch")
        compare(toggle.checked, false)
        mouseClick(toggle)
        compare(screen.model.AirplaneMode, true)
        compare(screen.stack.depth, 1, "the switch row pushes nothing")
        verify(TestSupport.storedSetting("AirplaneMode") === undefined, "the switch is never stored")
        home.model.pressHome()
        tryCompare(home.model, "OpenApp", false)
        wait(400)
        screen = openFromHome(home)
        compare(screen.model.AirplaneMode, false, "a new opening starts with the switch off")
        compare(findChild(findRow(screen, "Airplane Mode"), "switch").checked, false)
    }

    function test_generalShowsNineSections() {
        const screen = open()
        tapRow(screen, "General")
        const general = screen.stack.currentItem
        compare(findChild(screen, "navigationTitle").text, "General")
        compare(labelsOf(general), ["About", "Software Update", "AirDrop", "Handoff", "CarPlay", "Accessibility",
                                    "iPhone Storage", "Background App Refresh", "Restrictions", "Date & Time",
                                    "Keyboard", "Language & Region", "Dictionary", "iTunes Wi-FI Sync", "VPN",
                                    "Regulatory", "Reset", "Shut Down"])
        compare(findChild(findRow(screen, "Restrictions"), "detail").text, "Off")
        compare(findChild(findRow(screen, "Shut Down"), "label").color, Qt.color("#007AFF"), "Shut Down is blue")
        verify(!findChild(findRow(screen, "Shut Down"), "chevron").visible, "Shut Down is a button, not a row")
        compare(TestSupport.clippedControls(screen), [])
    }

    Component {
        id: generalStandIn
        QtObject {
            property var updates: []
        }
    }

    function test_softwareUpdateShowsOneBlockPerEntry() {
        Qt.application.version = "1.0"
        const screen = open()
        tapRow(screen, "General")
        const general = createTemporaryObject(generalStandIn, testCase)
        screen.stack.push(Qt.resolvedUrl("qrc:/Kestrel/Apps/Settings/SoftwareUpdate.qml"), { "general": general })
        settle(screen)
        const page = screen.stack.currentItem
        compare(findChild(screen, "navigationTitle").text, "Software Update")
        compare(textsOf(page), [], "nothing but the title until an answer arrives")

        general.updates = [{ id: "a", version: "1.0", log: "first" }, { id: "b", version: "1.1", log: "next build" }]
        tryVerify(() => textsOf(page).length > 0, 2000, "the blocks appear when the array arrives")
        const texts = textsOf(page)
        compare(texts.slice(0, 2), ["iOS 11.0", "Your software is up to date."], "the equal entry first")
        compare(texts.slice(2), ["iOS 11.1", "Apple Inc.", "1.89 GB", "next build", "Learn More", "Download and Install"])
        compare(TestSupport.clippedControls(screen), [])

        const before = TestSupport.handOffs().length
        mouseClick(findChild(page, "downloadAndInstall"))
        const handed = TestSupport.handOffs().slice(before)
        compare(handed.length, 1)
        verify(handed[0].startsWith("itms-services://?action=download-manifest&amp;url=http")
               && handed[0].endsWith("/plist/Kestrel.plist"), handed[0])
        tapRow(screen, "Learn More")
        compare(screen.stack.currentItem.objectName, "commingSoonPage")
    }

    function test_resetAsksBeforeResettingTheHomeWallpaper() {
        TestSupport.setSetting("Homescreen_Wallpaper", "Mars")
        TestSupport.setSetting("Lockscreen_Wallpaper", "Earth")
        const screen = open()
        tapRow(screen, "General")
        tapRow(screen, "Reset")
        compare(labelsOf(screen.stack.currentItem), ["Reset All Settings", "Erase All Content and Settings",
                                                     "Reset Network Settings", "Reset Keyboard Dictionary",
                                                     "Reset Home Screen Layout", "Reset Location & Privacy"])
        const sheet = findChild(screen, "resetSheet")
        for (const label of labelsOf(screen.stack.currentItem).filter(l => l !== "Reset Home Screen Layout")) {
            tapRow(screen, label)
            verify(!sheet.shown, label + " shows nothing")
        }
        tapRow(screen, "Reset Home Screen Layout")
        verify(sheet.shown)
        compare(findChild(sheet, "sheetTitle").text, "This will reset your home screen layout to factory defaults.")
        wait(400)
        mouseClick(findChild(sheet, "sheetCancel"))
        verify(!sheet.shown)
        compare(TestSupport.storedSetting("Homescreen_Wallpaper"), "Mars", "cancel changes nothing")

        tapRow(screen, "Reset Home Screen Layout")
        wait(400)
        mouseClick(findChild(sheet, "sheetAction"))
        verify(!sheet.shown)
        compare(TestSupport.storedSetting("Homescreen_Wallpaper"), "Wallpaper")
        compare(TestSupport.storedSetting("Lockscreen_Wallpaper"), "Earth")
        verify(TestSupport.storedSetting("Homescreen_Wallpaper_Custom") === undefined)
    }
}
