import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Phone
import Kestrel.Home
import Kestrel.Lock
import Kestrel.Platform
import Kestrel.Ui
import Kestrel.Testing

// A desktop's keyboard on the keypads, and a touch screen's taps, swipes and long presses on
// the home screen (full screen on a phone there is no mouse).
TestCase {
    id: testCase
    name: "KeyboardAndTouch"
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
        id: ownerComponent
        LockscreenModel {}
    }
    Component {
        id: homeComponent
        HomeScreen { width: 390; height: 844; Foreground.color: "white" }
    }

    property var app: null

    function init() {
        TestSupport.clearSettings()
        TestSupport.setSetting("Setup_Complete", true)
        if (AppContext.biometrics.evaluating)
            AppContext.biometrics.answer(SimulatedBiometrics.Cancel)
    }
    function shown(name) {
        let item = null
        tryVerify(() => (item = findChild(app, name)) !== null && item.visible, 3000, name + " not shown")
        return item
    }
    function type(keys) {
        for (const key of keys)
            keyClick(key)
    }
    function passcodeScreen() {
        TestSupport.setSetting("Use_Passcode", true)
        TestSupport.setSetting("App_Passcode", "123456")
        app = createTemporaryObject(appComponent, testCase)
        mouseClick(shown("pressHomeButton"))
        return findChild(shown("keypadContent"), "passcodeDots")
    }

    function test_passcodeFromKeyboard() {
        const dots = passcodeScreen()
        type(["1", "2", "a", Qt.Key_Backspace])
        compare(dots.Accessible.name, "1 of 6 digits entered", "letters are not digits; Backspace deletes one")
        keyClick(Qt.Key_Escape)
        compare(dots.Accessible.name, "1 of 6 digits entered", "Escape cancels only where Cancel shows")
        keyClick(Qt.Key_Backspace)
        keyClick(Qt.Key_Escape)
        tryVerify(() => findChild(app, "keypadContent") === null && findChild(app, "lockContent") !== null,
                  3000, "Escape on an empty passcode did not cancel to a new lock screen")

        mouseClick(shown("pressHomeButton"))
        shown("keypadContent")
        type("123456")
        shown("homeScreen")
    }

    function test_calculatorFromKeyboard_data() {
        return [
            { tag: "sum", keys: ["1", "2", "+", "3", Qt.Key_Return], display: "15" },
            { tag: "product", keys: ["6", "*", "7", "="], display: "42" },
            { tag: "all clear", keys: ["9", "-", "4", Qt.Key_Escape, "2"], display: "2" },
        ]
    }
    function test_calculatorFromKeyboard(data) {
        app = createTemporaryObject(appComponent, testCase)
        mouseClick(shown("pressHomeButton"))
        shown("homeScreen").model.openAppView(AppView.AppCalculator)
        const display = findChild(shown("calculator"), "display")
        waitForRendering(display)
        type(data.keys)
        compare(display.text, data.display)
    }

    function test_phoneDigitsFromKeyboard() {
        const phone = createTemporaryObject(phoneComponent, testCase)
        type(["4"])
        compare(phone.keypad.PhoneNumber, "", "the contacts tab takes no digits")
        mouseClick(findChild(phone, "keypadTab"))
        type(["1", "*", "#", "x", "0", Qt.Key_Backspace])
        compare(phone.keypad.PhoneNumber, "1*#")
    }

    function test_touchOnHome() {
        TestSupport.setSetting("Tessel_Installed", true)
        const owner = createTemporaryObject(ownerComponent, testCase)
        const home = createTemporaryObject(homeComponent, testCase,
                                           { pageOwner: owner, clockStrings: AppContext.clock.clockStrings() })
        const pages = findChild(home, "pages")
        waitForRendering(home)

        // A swipe to the left turns to the second icon page.
        let touch = touchEvent(pages).press(0, pages, 320, 300).commit()
        for (let x = 280; x >= 40; x -= 40)
            touch.move(0, pages, x, 300).commit()
        touch.release(0, pages, 40, 300).commit()
        tryVerify(() => owner.CurrentPage === 2 && !pages.moving, 3000, "the swipe did not turn the page")

        // A long press on the store's tile opens its menu; a tap elsewhere closes it.
        const store = findChild(home, "tile" + AppView.AppTessel)
        touchEvent(store).press(0, store).commit()
        wait(1200)
        touchEvent(store).release(0, store).commit()
        compare(home.model.contextMenuApp, AppView.AppTessel, "no menu after a long press")
        compare(home.model.OpenApp, false, "a long press is not a tap")
        const menu = findChild(home, "tileContextMenu")
        touchEvent(menu).press(0, menu, 20, 20).commit().release(0, menu, 20, 20).commit()
        compare(home.model.contextMenuApp, -1, "a tap beside the menu did not close it")

        // A tap on a dock icon opens its app.
        const dockIcon = findChild(home, "dock" + AppView.AppPhone)
        verify(dockIcon, "the phone is not in the dock")
        touchEvent(dockIcon).press(0, dockIcon).commit().release(0, dockIcon).commit()
        tryVerify(() => home.model.OpenApp, 2000, "a tap did not open the app")
    }
}
