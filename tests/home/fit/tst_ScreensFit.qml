import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Home
import Kestrel.Testing

// Every screen a user can reach, walked through the real flow on the phone this run simulates
// (run once per device profile): no text, symbol, picture or button may be cut by the screen.
ScreenTestCase {
    name: "ScreensFit"

    property var app: null

    function find(name) { return findChild(app.children[app.children.length - 1].currentItem, name) }
    function home() { return find("homeScreen").model }
    // Takes a step, waits until `shown` is there and the fades have ended, then checks the window.
    function step(what, action, shown) {
        action()
        tryVerify(() => find(shown) !== null, 2000, "no " + shown)
        wait(450)
        compare(TestSupport.clippedControls(app), [], what + " on the " + AppContext.device.profile + " phone")
    }

    function test_everyScreenFits() {
        resetSettings({ Setup_Complete: true, Use_Passcode: true, App_Passcode: "123456", Tessel_Installed: true,
                        Cydia_Installed: true })
        TestSupport.setNow("2024-12-28T23:59:00") // a long date
        AppContext.contacts.importContacts(Qt.resolvedUrl("../../../data/example-contacts.vcf"))
        AppContext.contacts.grant()
        step("the lock screen", () => app = launchShell(), "lockContent")
        step("the camera placeholder", () => mouseClick(find("cameraButton")), "cameraPlaceholder")
        step("the lock screen again", () => mouseClick(find("cameraMessage")), "lockContent")
        step("the passcode screen", () => mouseClick(find("pressHomeButton")), "keypadContent")
        step("home page 1", () => { for (const digit of "123456") mouseClick(find("key" + digit)) }, "homeScreen")
        // Five rows of icons stay clear of the page dots, and the dots of the dock.
        const bottom = (name) => { const item = find(name); return item.mapToItem(app, 0, item.height).y }
        verify(bottom("iconPage1row5") <= find("pageDots").mapToItem(app, 0, 0).y, "row 5 runs under the page dots")
        verify(bottom("pageDots") <= find("dock").mapToItem(app, 0, 0).y, "the page dots run under the dock")
        step("the search page", () => home().CurrentPage = 0, "pages")
        step("home page 2", () => home().CurrentPage = 2, "pages")
        step("the Extras folder", () => mouseClick(find("extrasFolderIcon")), "extrasFolder")
        step("Phone", () => { home().closeExtraFolder(); home().openAppView(AppView.AppPhone) }, "contactsPage")
        step("Phone's keypad", () => mouseClick(find("keypadTab")), "keypadPage")
        step("Calculator", () => { home().pressHome(); home().openAppView(AppView.AppCalculator) }, "calculator")
        step("the placeholder", () => { home().pressHome(); home().openAppView(AppView.AppiTunesU) }, "commingSoon")
    }
}
