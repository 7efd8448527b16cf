import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Phone
import Kestrel.Home
import Kestrel.Lock
import Kestrel.Platform
import Kestrel.Testing

// Every screen as a screen reader meets it: no button, touch area or field without an
// accessible role and name. A new screen is one more row in test_screen_data().
TestCase {
    id: testCase
    name: "Accessibility"
    when: windowShown
    width: 390
    height: 844
    visible: true

    Component {
        id: appComponent
        KestrelApp { width: 390; height: 844 }
    }
    Component {
        id: phoneComponent
        Phone { width: 390; height: 844 }
    }
    Component {
        id: menuComponent
        HardwareMenu {
            width: 390
            device: AppContext.device
            simulator: AppContext.simulator
            biometrics: AppContext.biometrics
            contacts: AppContext.contacts
        }
    }

    property var app: null

    function init() {
        TestSupport.clearSettings()
        TestSupport.setSetting("Setup_Complete", true)
        if (AppContext.biometrics.evaluating)
            AppContext.biometrics.answer(SimulatedBiometrics.Cancel)
    }

    // The shell from its first screen, and the screens reached from it by taps.
    function launch() {
        app = createTemporaryObject(appComponent, testCase)
        return app
    }
    function shown(name) {
        let item = null
        tryVerify(() => (item = findChild(app, name)) !== null && item.visible, 3000, name + " not shown")
        waitForRendering(item)
        return item
    }
    function lockScreen() {
        launch()
        return shown("lockContent")
    }
    function homeScreen() {
        mouseClick(findChild(lockScreen(), "pressHomeButton"))
        return shown("homeScreen")
    }
    function openApp(appCase, name) {
        homeScreen().model.openAppView(appCase)
        shown(name)
        return findChild(app, "homeScreen")
    }

    function test_screen_data() {
        return [
            { tag: "setup", show: () => {
                TestSupport.setSetting("Setup_Complete", false)
                launch()
                return shown("setupScreen")
            } },
            { tag: "lock screen", show: lockScreen },
            { tag: "camera placeholder", show: () => {
                mouseClick(findChild(lockScreen(), "cameraButton"))
                return shown("cameraPlaceholder")
            } },
            { tag: "passcode", show: () => {
                TestSupport.setSetting("Use_Passcode", true)
                TestSupport.setSetting("App_Passcode", "123456")
                mouseClick(findChild(lockScreen(), "pressHomeButton"))
                return shown("keypadContent")
            } },
            { tag: "home pages", show: homeScreen },
            { tag: "home folder", show: () => {
                const home = homeScreen()
                home.model.toggleExtraFolder()
                tryVerify(() => findChild(home, "extrasPanel").width === findChild(home, "extrasFolder").panelSize)
                return home
            } },
            { tag: "home tile menu", show: () => {
                TestSupport.setSetting("Tessel_Installed", true)
                const home = homeScreen()
                home.model.showContextMenu(AppView.AppTessel)
                shown("tileContextMenu")
                return home
            } },
            { tag: "placeholder", show: () => openApp(AppView.AppMusic, "commingSoon") },
            { tag: "calculator", show: () => openApp(AppView.AppCalculator, "calculator") },
            { tag: "phone contacts", show: () => createTemporaryObject(phoneComponent, testCase) },
            { tag: "phone keypad", show: () => {
                const phone = createTemporaryObject(phoneComponent, testCase, { currentTab: 1 })
                phone.keypad.press("5")
                return phone
            } },
        ]
    }

    function test_screen(data) {
        const screen = data.show()
        verify(screen, "the screen was not shown")
        compare(TestSupport.unnamedControls(screen), [], "controls a screen reader cannot name")
    }

    function test_hardwareMenu() {
        // The bar's own entries are left out: Qt 6.4 gives them the bar's role, under their titles.
        const bar = createTemporaryObject(menuComponent, testCase)
        for (let i = 0; i < bar.count; ++i) {
            const menu = bar.menuAt(i)
            menu.open()
            tryVerify(() => menu.opened)
            compare(TestSupport.unnamedControls(menu.contentItem), [], menu.title + " menu")
            menu.close()
        }
    }
}
