import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Testing

TestCase {
    id: testCase
    name: "SetupScreen"
    when: windowShown
    width: 390
    height: 844
    visible: true

    Component {
        id: appComponent
        KestrelApp { width: 390; height: 844 }
    }

    function init() {
        TestSupport.clearSettings()
    }

    function launch() {
        const app = createTemporaryObject(appComponent, testCase)
        verify(app, "the root view could not be created")
        return app
    }

    function drag(item, dx, dy) {
        const x = item.width / 2, y = item.height / 2
        mousePress(item, x, y)
        if (dx !== 0 || dy !== 0)
            mouseMove(item, x + dx, y + dy)
        mouseRelease(item, x + dx, y + dy)
    }

    function test_swipesThatDoNotCompleteSetup_data() {
        return [
            { tag: "tap", on: "swipeText", dx: 0, dy: 0 },
            { tag: "down", on: "swipeText", dx: 0, dy: 40 },
            { tag: "horizontal", on: "swipeText", dx: 60, dy: 0 },
            { tag: "up, but on the welcome text", on: "welcomeText", dx: 0, dy: -200 },
        ]
    }

    function test_swipesThatDoNotCompleteSetup(data) {
        const app = launch()
        drag(findChild(app, data.on), data.dx, data.dy)
        verify(app.setupShown, "setup completed by a " + data.tag)
        compare(findChild(app, "welcomeText").text, "Welcome to iPhone")
        compare(findChild(app, "lockscreen"), null, "the lock screen must not be shown before setup")
        compare(TestSupport.storedSetting("Setup_Complete"), undefined, "the flag must not be written")
    }

    function test_anyUpwardSwipeCompletesSetup_data() {
        return [
            { tag: "one point", dx: 0, dy: -1 },
            { tag: "long", dx: 0, dy: -300 },
            { tag: "diagonal", dx: 80, dy: -5 },
        ]
    }

    function test_anyUpwardSwipeCompletesSetup(data) {
        const app = launch()
        drag(findChild(app, "swipeText"), data.dx, data.dy)
        verify(!app.setupShown)
        compare(String(TestSupport.storedSetting("Setup_Complete")), "true")
        tryVerify(() => findChild(app, "lockscreen") !== null, 1000, "the lock screen did not appear")
        tryCompare(findChild(app, "lockscreen"), "opacity", 1)
        tryVerify(() => findChild(app, "setupScreen") === null, 1000, "the setup screen was not released")
    }
}
