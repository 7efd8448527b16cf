import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Phone
import Kestrel.Home
import Kestrel.Testing

// The shell among desktop and phone applications: every screen readable by a screen reader (a
// new screen is one more row in test_accessibleNames_data()), the passcode typed on a keyboard,
// and the home screen used by touch alone, as full screen on a phone.
ScreenTestCase {
    id: testCase
    name: "DesktopCitizen"

    Component { id: phoneComponent; Phone { width: 390; height: 844 } }

    property var app: null

    function init() { resetSettings({ Setup_Complete: true, Tessel_Installed: true }) }
    function shown(name) {
        let item = null
        tryVerify(() => (item = findChild(app, name)) !== null && item.visible, 3000, name + " not shown")
        waitForRendering(item)
        return item
    }
    // The shell from its first screen, then a tap on the lock screen and a call into the home's model.
    function launch(tap, homeAction) {
        app = launchShell()
        if (tap)
            mouseClick(shown(tap))
        if (homeAction)
            homeAction(shown("homeScreen").model)
        return app
    }

    function test_accessibleNames_data() {
        return [
            { tag: "setup", settings: { Setup_Complete: false }, expect: "setupScreen" },
            { tag: "lock screen", expect: "lockContent" },
            { tag: "camera placeholder", tap: "cameraButton", expect: "cameraPlaceholder" },
            { tag: "passcode", settings: { Use_Passcode: true }, tap: "pressHomeButton", expect: "keypadContent" },
            { tag: "home, folder open", tap: "pressHomeButton", home: m => m.toggleExtraFolder(), expect: "extrasPanel" },
            { tag: "home, tile menu", tap: "pressHomeButton", home: m => m.showContextMenu(AppView.AppTessel),
              expect: "tileContextMenu" },
            { tag: "placeholder", tap: "pressHomeButton", home: m => m.openAppView(AppView.AppMusic), expect: "commingSoon" },
            { tag: "calculator", tap: "pressHomeButton", home: m => m.openAppView(AppView.AppCalculator), expect: "calculator" },
            { tag: "settings", tap: "pressHomeButton", home: m => m.openAppView(AppView.AppSettings), expect: "settings" },
            { tag: "browser", tap: "pressHomeButton", home: m => m.openAppView(AppView.AppSafari), expect: "safari" },
            { tag: "store", tap: "pressHomeButton", home: m => m.openAppView(AppView.AppTessel), expect: "tessel" },
            { tag: "package manager", settings: { Cydia_Installed: true }, tap: "pressHomeButton",
              home: m => m.openAppView(AppView.AppCydia), expect: "cydia" },
            { tag: "phone", screen: phoneComponent },
            { tag: "phone keypad", screen: phoneComponent, properties: { currentTab: 1 } },
        ]
    }
    function test_accessibleNames(data) {
        for (const key in data.settings)
            TestSupport.setSetting(key, data.settings[key])
        const screen = data.screen ? createTemporaryObject(data.screen, testCase, data.properties)
                                   : launch(data.tap, data.home)
        if (data.expect)
            shown(data.expect)
        if (screen.keypad)
            screen.keypad.press("5") // the call row grows a delete key
        compare(TestSupport.unnamedControls(screen), [], "controls a screen reader cannot name")
    }

    function test_passcodeFromKeyboard() {
        resetSettings({ Setup_Complete: true, Use_Passcode: true, App_Passcode: "123456" })
        const dots = findChild(launch("pressHomeButton"), "passcodeDots")
        for (const key of ["1", "2", "a", Qt.Key_Backspace, Qt.Key_Escape])
            keyClick(key)
        compare(dots.Accessible.name, "1 of 6 digits entered", "a letter, Backspace, Escape while Delete shows")
        keyClick(Qt.Key_Backspace)
        keyClick(Qt.Key_Escape)
        mouseClick(shown("pressHomeButton")) // only a new lock screen has this
        shown("keypadContent")
        for (const digit of "123456")
            keyClick(digit)
        shown("homeScreen")
    }

    function test_touchOnHome() {
        launch("pressHomeButton")
        const model = shown("homeScreen").model
        const pages = shown("pages")
        let touch = touchEvent(pages).press(0, pages, 320, 300).commit()
        for (let x = 280; x >= 40; x -= 40)
            touch.move(0, pages, x, 300).commit()
        touch.release(0, pages, 40, 300).commit()
        tryVerify(() => model.CurrentPage === 2 && !pages.moving, 3000, "the swipe did not turn the page")

        const store = shown("tile" + AppView.AppTessel)
        touchEvent(store).press(0, store).commit()
        wait(1200)
        touchEvent(store).release(0, store).commit()
        compare(model.contextMenuApp, AppView.AppTessel, "no menu after a long press")
        compare(model.OpenApp, false, "a long press is not a tap")
        model.dismissContextMenu()
        const dockIcon = shown("dock" + AppView.AppPhone)
        touchEvent(dockIcon).press(0, dockIcon).commit().release(0, dockIcon).commit()
        tryVerify(() => model.OpenApp, 2000, "a tap did not open the app")
    }
}
