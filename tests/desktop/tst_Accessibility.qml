import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Phone
import Kestrel.Home
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

    Component { id: appComponent; KestrelApp { width: 390; height: 844 } }
    Component { id: phoneComponent; Phone { width: 390; height: 844 } }
    Component {
        id: menuComponent
        HardwareMenu {
            device: AppContext.device; simulator: AppContext.simulator
            biometrics: AppContext.biometrics; contacts: AppContext.contacts
        }
    }

    property var app: null

    function init() {
        TestSupport.clearSettings()
        TestSupport.setSetting("Setup_Complete", true)
        TestSupport.setSetting("Tessel_Installed", true)
    }
    function shown(name) {
        let item = null
        tryVerify(() => (item = findChild(app, name)) !== null && item.visible, 3000, name + " not shown")
        waitForRendering(item)
        return item
    }
    // The shell from its first screen; `tap` names what to tap on the lock screen.
    function launch(tap) {
        app = createTemporaryObject(appComponent, testCase)
        if (tap)
            mouseClick(shown(tap))
        return app
    }
    function home(action) {
        launch("pressHomeButton")
        const model = shown("homeScreen").model
        action(model)
        return app
    }

    function test_screen_data() {
        return [
            { tag: "setup", settings: { Setup_Complete: false }, show: () => launch(), expect: "setupScreen" },
            { tag: "lock screen", show: () => launch(), expect: "lockContent" },
            { tag: "camera placeholder", show: () => launch("cameraButton"), expect: "cameraPlaceholder" },
            { tag: "passcode", settings: { Use_Passcode: true, App_Passcode: "123456" },
              show: () => launch("pressHomeButton"), expect: "keypadContent" },
            { tag: "home, folder open", show: () => home(model => model.toggleExtraFolder()), expect: "extrasPanel" },
            { tag: "home, tile menu", show: () => home(model => model.showContextMenu(AppView.AppTessel)),
              expect: "tileContextMenu" },
            { tag: "placeholder", show: () => home(model => model.openAppView(AppView.AppMusic)), expect: "commingSoon" },
            { tag: "calculator", show: () => home(model => model.openAppView(AppView.AppCalculator)), expect: "calculator" },
            { tag: "phone contacts", show: () => createTemporaryObject(phoneComponent, testCase) },
            { tag: "phone keypad", show: () => {
                const phone = createTemporaryObject(phoneComponent, testCase, { currentTab: 1 })
                phone.keypad.press("5") // the call row grows a delete key
                return phone
            } },
        ]
    }
    function test_screen(data) {
        for (const key in data.settings)
            TestSupport.setSetting(key, data.settings[key])
        const screen = data.show()
        if (data.expect)
            shown(data.expect)
        compare(TestSupport.unnamedControls(screen), [], "controls a screen reader cannot name")
    }

    // The bar's own entries are left out: Qt 6.4 gives them the bar's role, under their titles.
    function test_hardwareMenu() {
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
