import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Browser
import Kestrel.Home
import Kestrel.Testing
import Kestrel.BrowserTesting

// The browser through its real screens and the real engine, against pages served on loopback.
// Every Safari made here starts an engine view, which is costly: the cases are few and each
// walks a whole path.
ScreenTestCase {
    id: testCase
    name: "SafariScreens"

    Component {
        id: safariComponent
        Safari { width: AppContext.device.screenWidth; height: AppContext.device.screenHeight }
    }
    Component {
        id: webViewComponent
        WebView { width: 200; height: 200 }
    }

    function init() { TestSupport.clearSettings() }

    // Types into the start page's field and presses return, as a person would.
    function visit(safari, address) {
        const field = find(safari, "searchField")
        mouseClick(field)
        safari.model.SearchString = address
        keyClick(Qt.Key_Return)
        verify(safari.model.ShowingWebView, "return did not show the page view")
    }
    function symbolColour(safari, button) { return find(safari, button + "Symbol").color }
    function compareArrows(safari, back, forward) {
        tryCompare(find(safari, "backButton"), "enabled", back, 10000)
        tryCompare(find(safari, "forwardButton"), "enabled", forward, 10000)
        compare(symbolColour(safari, "backButton"), Qt.color(back ? "#007AFF" : "#8E8E93"))
        compare(symbolColour(safari, "forwardButton"), Qt.color(forward ? "#007AFF" : "#8E8E93"))
    }

    function test_titleAndHistoryFollowThePage() {
        const safari = createTemporaryObject(safariComponent, testCase)
        verify(!safari.webViewStore.webView, "the engine started before a page was wanted")
        visit(safari, TestPages.url("/first"))
        tryCompare(find(safari, "pageTitle"), "text", "First page", 30000)
        compareArrows(safari, false, false)

        // A person's tap: the engine does not let script-made history entries be gone back to.
        // A busy machine may draw the page before it takes input, so tap until the link answers.
        for (let i = 0; i < 40 && safari.webViewStore.title !== "Second page"; ++i) {
            mouseClick(find(safari, "webView"))
            wait(250)
        }
        tryCompare(find(safari, "pageTitle"), "text", "Second page", 20000)
        compareArrows(safari, true, false)

        mouseClick(find(safari, "backButton"))
        tryCompare(find(safari, "pageTitle"), "text", "First page", 20000)
        compareArrows(safari, false, true)

        // The three other buttons change nothing.
        for (const name of ["shareButton", "bookmarksButton", "tabsButton"])
            mouseClick(find(safari, name))
        wait(200)
        compare(safari.webViewStore.address, TestPages.url("/first"))
        compareArrows(safari, false, true)

        mouseClick(find(safari, "forwardButton"))
        tryCompare(find(safari, "pageTitle"), "text", "Second page", 20000)
        compareArrows(safari, true, false)

        // Downloads are refused and the page stays; the profile lives under the data root.
        verify(safari.webViewStore.load(TestPages.url("/file")))
        tryCompare(safari.webViewStore, "refusedDownloads", 1, 20000)
        compare(safari.webViewStore.title, "Second page")
        verify(TestPages.exists(TestSupport.dataRoot + "/WebEngine"), "no profile under the data root")

        // A second page showing the same store takes its view over.
        const other = createTemporaryObject(webViewComponent, testCase, { store: safari.webViewStore })
        compare(safari.webViewStore.webView.parent, other)

        // The page's process goes with the screen.
        const pid = safari.webViewStore.webView.renderProcessPid
        verify(pid > 0 && TestPages.exists("/proc/" + pid), "no render process to watch")
        safari.destroy()
        tryVerify(() => !TestPages.exists("/proc/" + pid), 20000, "the render process outlived the screen")
    }

    // Also run on the phone with a home button.
    function test_alertInsideThePhoneAndEverythingFits() {
        const safari = createTemporaryObject(safariComponent, testCase)
        compare(TestSupport.clippedControls(safari), [], "the start page does not fit")
        visit(safari, TestPages.url("/alert"))
        const dialog = find(safari, "webDialog")
        tryCompare(dialog, "visible", true, 30000)
        compare(find(safari, "webDialogMessage").text, "Hello from the page")
        compare(safari.webViewStore.dialogKind, "alert")
        compare(TestSupport.clippedControls(safari), [], "the page view or its alert does not fit")
        wait(300)
        compare(safari.webViewStore.title, "Before", "the page went on before its alert was answered")
        mouseClick(find(safari, "webDialogOk"))
        verify(!dialog.visible)
        tryCompare(find(safari, "pageTitle"), "text", "After", 20000)
    }

    function test_installAddressesPutTheAppsOnTheHomeScreen() {
        const home = launchHome()
        const steps = [{ address: TestPages.storeAddress, key: "Tessel_Installed", tile: "tile34" },
                       { address: TestPages.packageManagerAddress, key: "Cydia_Installed", tile: "tile35" }]
        for (const step of steps) {
            home.model.openAppView(AppView.AppSafari)
            tryVerify(() => findChild(home.current, "safari"), 5000, "Safari did not open")
            visit(findChild(home.current, "safari"), step.address)
            compare(String(TestSupport.storedSetting(step.key)), "true", step.key + " not written")
            const grab = find(home.current, "homeBarGrabArea")
            mouseDrag(grab, grab.width / 2, grab.height / 2, 0, -100)
            tryCompare(home.model, "OpenApp", false, 5000)
            tryVerify(() => findChild(home.current, step.tile), 5000, "no " + step.tile + " on the home screen")
            tryVerify(() => !findChild(home.current, "safari"), 5000, "the closed Safari stayed")
        }
    }
}
