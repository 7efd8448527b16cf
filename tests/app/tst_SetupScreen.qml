import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Testing

ScreenTestCase {
    name: "SetupScreen"

    function init() { TestSupport.clearSettings() }

    // Only an upward swipe that starts on the swipe text completes setup.
    function test_swipe_data() {
        return [
            { tag: "tap", dx: 0, dy: 0 },
            { tag: "down", dx: 0, dy: 40 },
            { tag: "horizontal", dx: 60, dy: 0 },
            { tag: "up, but on the welcome text", on: "welcomeText", dx: 0, dy: -200 },
            { tag: "up one point", dx: 0, dy: -1, completes: true },
            { tag: "up, long", dx: 0, dy: -300, completes: true },
            { tag: "up, diagonal", dx: 80, dy: -5, completes: true },
        ]
    }

    function test_swipe(data) {
        const app = launchShell()
        drag(findChild(app, data.on || "swipeText"), data.dx, data.dy)
        if (!data.completes) {
            verify(app.setupShown, "setup completed by a " + data.tag)
            compare(findChild(app, "welcomeText").text, "Welcome to iPhone")
            compare(findChild(app, "lockscreen"), null, "the lock screen must not be shown before setup")
            compare(TestSupport.storedSetting("Setup_Complete"), undefined, "the flag must not be written")
            return
        }
        verify(!app.setupShown)
        compare(String(TestSupport.storedSetting("Setup_Complete")), "true")
        tryVerify(() => findChild(app, "lockscreen") !== null, 1000, "the lock screen did not appear")
        tryCompare(findChild(app, "lockscreen"), "opacity", 1)
        tryVerify(() => findChild(app, "setupScreen") === null, 1000, "the setup screen was not released")
    }
}
