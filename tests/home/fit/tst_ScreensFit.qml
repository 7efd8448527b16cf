import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Home
import Kestrel.Platform
import Kestrel.Testing

// Every screen a user can reach, walked through the real flow on the phone this run simulates
// (run once per device profile): no text, symbol, picture or button may be cut by the screen.
TestCase {
    id: testCase
    name: "ScreensFit"
    when: windowShown
    width: AppContext.device.screenWidth
    height: AppContext.device.screenHeight
    visible: true

    Component {
        id: appComponent
        KestrelApp { width: testCase.width; height: testCase.height }
    }

    property var app: null

    function lock() { return app.children[app.children.length - 1].currentItem }
    function find(name) { return findChild(lock(), name) }
    function home() { return find("homeScreen") }
    function homeFind(name) { return findChild(home().current, name) }
    function tap(item, what) {
        verify(item, "no " + what + " shown")
        mouseClick(item)
    }
    // Waits for the fades of a change to end, then checks the whole window.
    function fits(what) {
        wait(450)
        waitForRendering(app)
        compare(TestSupport.clippedControls(app), [], what + " on the " + AppContext.device.profile + " phone")
    }

    function initTestCase() {
        TestSupport.setNow("2024-12-28T23:59:00") // a long date and a wide time
        AppContext.contacts.importContacts(Qt.resolvedUrl("../../../data/example-contacts.vcf"))
        AppContext.contacts.grant()
    }

    function test_everyScreenFits() {
        TestSupport.clearSettings()
        TestSupport.setSetting("Setup_Complete", true)
        TestSupport.setSetting("Use_Passcode", true)
        TestSupport.setSetting("App_Passcode", "123456")
        TestSupport.setSetting("Use_FaceID_TouchID", false)
        TestSupport.setSetting("Tessel_Installed", true)
        TestSupport.setSetting("Cydia_Installed", true)
        app = createTemporaryObject(appComponent, testCase)
        tryVerify(() => lock() && find("lockContent") !== null, 2000, "no lock content")
        fits("the lock screen")

        tap(find("cameraButton"), "camera button")
        tryVerify(() => find("cameraPlaceholder") !== null)
        fits("the camera placeholder")
        tap(find("cameraMessage"), "camera message")
        tryVerify(() => find("lockContent") !== null)

        tap(find("pressHomeButton"), "home button")
        tryVerify(() => find("keypadContent") !== null)
        fits("the passcode screen")
        for (const digit of "123456")
            mouseClick(find("key" + digit))
        tryVerify(() => home() !== null && home().model !== null, 2000, "the passcode did not open home")

        for (const page of [1, 2, 0]) {
            lock().model.CurrentPage = page
            fits("home page " + page)
        }
        lock().model.CurrentPage = 2
        wait(450)
        tap(homeFind("extrasFolderIcon"), "Extras folder icon")
        fits("the Extras folder")
        home().model.closeExtraFolder()

        home().model.openAppView(AppView.AppPhone)
        tryVerify(() => homeFind("contactsList") !== null && homeFind("contactsList").count > 1, 2000, "no contacts")
        fits("Phone's contacts")
        tap(homeFind("keypadTab"), "keypad tab")
        fits("Phone's keypad")
        home().model.pressHome()

        home().model.openAppView(AppView.AppCalculator)
        tryVerify(() => homeFind("calculator") !== null)
        fits("the calculator")
        home().model.pressHome()

        home().model.openAppView(AppView.AppiTunesU)
        tryVerify(() => homeFind("commingSoon") !== null)
        fits("the placeholder")
    }
}
