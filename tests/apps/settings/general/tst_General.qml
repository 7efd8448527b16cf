import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Settings
import Kestrel.Testing
import ".."

// General, Software Update and Reset, driven through the Settings screens.
SettingsDriver {
    id: testCase
    name: "General"

    function test_generalShowsNineSections() {
        const screen = open()
        tapRow(screen, "General")
        const general = screen.stack.currentItem
        compare([findChild(screen, "navigationTitle").text, labelsOf(general).length, findChild(findRow(screen, "Restrictions"), "detail").text],
                ["General", 18, "Off"], "the title, every row shown, the restrictions off")
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
        const sheet = findChild(screen, "resetSheet")
        compare(labelsOf(screen.stack.currentItem).length, 6)
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
        compare([TestSupport.storedSetting("Homescreen_Wallpaper"), TestSupport.storedSetting("Lockscreen_Wallpaper"),
                 TestSupport.storedSetting("Homescreen_Wallpaper_Custom")], ["Wallpaper", "Earth", undefined])
    }
}
