import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Home
import Kestrel.Lock
import Kestrel.Ui
import Kestrel.Testing

// A test case as large as the simulated phone's screen, shown in a window, with the steps the
// screen tests share.
TestCase {
    id: screenTest
    when: windowShown
    width: AppContext.device.screenWidth
    height: AppContext.device.screenHeight
    visible: true

    Component {
        id: shellComponent
        KestrelApp { width: screenTest.width; height: screenTest.height }
    }

    Component {
        id: pageOwnerComponent
        LockscreenModel {}
    }
    Component {
        id: homeComponent
        HomeScreen { width: screenTest.width; height: screenTest.height; Foreground.color: "white" }
    }

    // A home screen as the lock screen opens it, on the given page of a lock screen model it shares.
    function launchHome(page) {
        const owner = createTemporaryObject(pageOwnerComponent, screenTest)
        if (page !== undefined)
            owner.CurrentPage = page
        const home = createTemporaryObject(homeComponent, screenTest, { pageOwner: owner, clockStrings: AppContext.clock.clockStrings() })
        verify(home && home.current, "no home screen")
        return home
    }
    // The whole shell from its first screen.
    function launchShell() {
        const shell = createTemporaryObject(shellComponent, screenTest)
        verify(shell, "the shell could not be created")
        return shell
    }
    // A first launch's empty store with the given keys stored.
    function resetSettings(values) {
        TestSupport.clearSettings()
        for (const key in values)
            TestSupport.setSetting(key, values[key])
    }
    // The named item under root; a test that needs it fails when it is not there.
    function find(root, name) {
        const item = findChild(root, name)
        verify(item, "nothing named " + name)
        return item
    }
    // Screens that can never be seen again are released: after ten cycles, a hundred more (with
    // pauses for the fades) leave no more live objects under root. One object kept per cycle
    // would show as a hundred.
    function cyclesKeepNothing(root, cycle) {
        for (let i = 0; i < 10; ++i)
            cycle(i)
        wait(600)
        const after10 = TestSupport.objectCount(root)
        for (let i = 1; i <= 100; ++i) {
            cycle(i)
            if (i % 25 === 0)
                wait(400)
        }
        // The last fades may still run on a slow (sanitizer) build: wait for them, not a set time.
        tryVerify(() => TestSupport.objectCount(root) <= after10, 5000, "live objects stayed above " + after10)
    }
    // A press at the item's middle, a move by (dx, dy) in two steps, and the release there.
    function drag(item, dx, dy) {
        const x = item.width / 2, y = item.height / 2
        mousePress(item, x, y)
        mouseMove(item, x + dx / 2, y + dy / 2)
        mouseMove(item, x + dx, y + dy)
        mouseRelease(item, x + dx, y + dy)
    }
}
