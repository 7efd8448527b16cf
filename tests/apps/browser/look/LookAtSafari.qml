import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Browser
import Kestrel.BrowserTesting

// Not run by ctest: pictures of the browser for a person to look at, best under Xvfb:
//   tst_browser_qml -input tests/apps/browser/look/LookAtSafari.qml   writes /tmp/kestrel-look-safari-*.png
// (KESTREL_TEST_DEVICE=touchid for the smaller phone; a maker server on MAKER_PORT adds its page.)
TestCase {
    id: testCase
    name: "LookAtSafari"
    when: windowShown
    width: AppContext.device.screenWidth
    height: AppContext.device.screenHeight
    visible: true

    Component {
        id: safariComponent
        Safari { width: AppContext.device.screenWidth; height: AppContext.device.screenHeight }
    }

    function save(item, name) {
        waitForRendering(item)
        wait(300)
        grabImage(item).save("/tmp/kestrel-look-safari-" + AppContext.device.profile + "-" + name + ".png")
    }
    function open(address, title) {
        const safari = createTemporaryObject(safariComponent, testCase)
        safari.model.SearchString = address
        safari.model.commit()
        tryVerify(() => safari.webViewStore.title === title && !safari.webViewStore.loading, 30000)
        return safari
    }

    function test_look() {
        const start = createTemporaryObject(safariComponent, testCase)
        save(start, "start")
        start.model.SearchString = "hello world"
        save(start, "typed")
        start.destroy()

        let safari = open(TestPages.url("/first"), "First page")
        mouseClick(findChild(safari, "webView"))
        tryVerify(() => safari.webViewStore.title === "Second page" && !safari.webViewStore.loading, 30000)
        save(safari, "page")
        safari.destroy()

        safari = createTemporaryObject(safariComponent, testCase)
        safari.model.SearchString = TestPages.url("/alert")
        safari.model.commit()
        tryVerify(() => safari.webViewStore.dialogKind !== "", 30000)
        save(safari, "alert")
        safari.destroy()

        safari = open(TestPages.storeAddress.replace(/:\d+\//, ":" + TestPages.makerPort + "/"), "")
        wait(1500)
        save(safari, "maker")
    }
}
