import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Settings
import Kestrel.Home
import Kestrel.Testing
import ".."

// The Settings app driven through its screens: the list and its rows (General and its pages are
// in ../general, so that the two halves run side by side).
SettingsDriver {
    id: testCase
    name: "Settings"

    function test_listShowsItsFiveSectionsOnAFaceIdPhone() {
        const screen = open()
        const list = screen.stack.currentItem
        compare([findChild(screen, "navigationTitle").text, labelsOf(list).length], ["", 19], "no inline title, every row shown")
        const biometry = findRow(screen, "Face ID & Passcode")
        compare(findChild(biometry, "tile").color, Qt.color("#34C759"), "green tile on Face ID")
        compare(findChild(biometry, "tileSymbol").name, "faceid")
        compare(findChild(findRow(screen, "WiFi"), "detail").opacity, 0.5)
        verify(!findChild(findRow(screen, "Airplane Mode"), "chevron").visible, "a switch row leads nowhere")
        for (const row of rowsOf(list)) {
            const symbol = findChild(row, "tileSymbol")
            verify(!symbol || !symbol.visible || symbol.mapped, row.entry.label + " has a mapped symbol")
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
        compare([page.objectName, findChild(screen, "navigationTitle").text], ["commingSoonPage", ""])
        compare(textsOf(page), ["Comming Soon"], "the page holds that text and nothing else")
        for (let i = steps.length; i > 0; --i)
            back(screen)
        compare(screen.stack.depth, 1, "back returns to the list")
    }


    // Opened from the home screen and closed with its Home button, as a person does it.
    function openFromHome(home) {
        home.model.openAppView(AppView.Settings)
        const loader = () => findChild(home.current, "appLoader")
        tryVerify(() => loader() && loader().status === Loader.Ready, 5000, "Settings opens")
        wait(400)
        return loader().item
    }

    function test_airplaneModeIsViewStateOnly() {
        const home = launchHome()
        let screen = openFromHome(home)
        compare(screen.stack.y, findChild(screen, "navigationBar").height, "the pages start under the bar")
        compare(screen.stack.height, screen.height - screen.stack.y)
        const toggle = findChild(findRow(screen, "Airplane Mode"), "switch")
        compare(toggle.checked, false)
        mouseClick(toggle)
        compare([screen.model.AirplaneMode, screen.stack.depth], [true, 1], "the switch is on and pushes nothing")
        verify(TestSupport.storedSetting("AirplaneMode") === undefined, "the switch is never stored")
        home.model.pressHome()
        tryCompare(home.model, "OpenApp", false)
        wait(400)
        screen = openFromHome(home)
        compare([screen.model.AirplaneMode, findChild(findRow(screen, "Airplane Mode"), "switch").checked], [false, false],
                "a new opening starts with the switch off")
    }
}
