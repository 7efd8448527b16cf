import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Phone
import Kestrel.Home
import Kestrel.Lock
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

    Component { id: appComponent; KestrelApp { width: 390; height: 844 } }
    Component { id: phoneComponent; Phone { width: 390; height: 844 } }
    Component { id: ownerComponent; LockscreenModel {} }
    Component { id: homeComponent; HomeScreen { width: 390; height: 844; Foreground.color: "white" } }

    property var app: null

    function init() {
        TestSupport.clearSettings()
        TestSupport.setSetting("Setup_Complete", true)
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

    function test_passcodeFromKeyboard() {
        TestSupport.setSetting("Use_Passcode", true)
        TestSupport.setSetting("App_Passcode", "123456")
        app = createTemporaryObject(appComponent, testCase)
        mouseClick(shown("pressHomeButton"))
        const dots = findChild(shown("keypadContent"), "passcodeDots")
        type(["1", "2", "a", Qt.Key_Backspace, Qt.Key_Escape])
        compare(dots.Accessible.name, "1 of 6 digits entered", "a letter, Backspace, Escape while Delete shows")
        type([Qt.Key_Backspace, Qt.Key_Escape])
        tryVerify(() => findChild(app, "keypadContent") === null, 3000, "Escape did not cancel")
        mouseClick(shown("pressHomeButton"))
        shown("keypadContent")
        type("123456")
        shown("homeScreen")
    }

    function test_keypadsFromKeyboard() {
        app = createTemporaryObject(appComponent, testCase)
        mouseClick(shown("pressHomeButton"))
        shown("homeScreen").model.openAppView(AppView.AppCalculator)
        const display = findChild(shown("calculator"), "display")
        type(["1", "2", "+", "3", Qt.Key_Return])
        compare(display.text, "15")
        type([Qt.Key_Escape, "6", "*", "7", "="])
        compare(display.text, "42", "Escape is AC")

        const phone = createTemporaryObject(phoneComponent, testCase)
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

        let touch = touchEvent(pages).press(0, pages, 320, 300).commit()
        for (let x = 280; x >= 40; x -= 40)
            touch.move(0, pages, x, 300).commit()
        touch.release(0, pages, 40, 300).commit()
        tryVerify(() => owner.CurrentPage === 2 && !pages.moving, 3000, "the swipe did not turn the page")

        const store = findChild(home, "tile" + AppView.AppTessel)
        touchEvent(store).press(0, store).commit()
        wait(1200)
        touchEvent(store).release(0, store).commit()
        compare(home.model.contextMenuApp, AppView.AppTessel, "no menu after a long press")
        compare(home.model.OpenApp, false, "a long press is not a tap")

        const menu = findChild(home, "tileContextMenu")
        touchEvent(menu).press(0, menu, 20, 20).commit().release(0, menu, 20, 20).commit()
        const dockIcon = findChild(home, "dock" + AppView.AppPhone)
        touchEvent(dockIcon).press(0, dockIcon).commit().release(0, dockIcon).commit()
        tryVerify(() => home.model.OpenApp && home.model.contextMenuApp === -1, 2000, "taps did not close the menu and open the app")
    }
}
