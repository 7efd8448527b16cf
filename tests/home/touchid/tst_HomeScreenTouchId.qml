import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Home
import Kestrel.Lock
import Kestrel.Ui

// The home screen on the phone with a home button (375 x 667, no bottom inset).
TestCase {
    id: testCase
    name: "HomeScreenTouchId"
    when: windowShown
    width: AppContext.device.screenWidth
    height: AppContext.device.screenHeight
    visible: true

    Component {
        id: ownerComponent
        LockscreenModel {}
    }
    Component {
        id: homeComponent
        HomeScreen {
            width: testCase.width
            height: testCase.height
            Foreground.color: "white"
        }
    }

    function launch() {
        const owner = createTemporaryObject(ownerComponent, testCase)
        const home = createTemporaryObject(homeComponent, testCase,
                                           { pageOwner: owner, clockStrings: AppContext.clock.clockStrings() })
        verify(home && home.current)
        return home
    }
    function bottomOf(item, home) { return item.mapToItem(home, 0, item.height).y }

    // Five rows of icons on the short screen stay clear of the page dots and the dock.
    function test_firstPageFitsAboveTheDock() {
        const home = launch()
        const lastRow = findChild(home.current, "iconPage1row5")
        const dots = findChild(home.current, "pageDots")
        const dock = findChild(home.current, "dock")
        verify(bottomOf(lastRow, home) <= dots.mapToItem(home, 0, 0).y,
               "row 5 ends at " + bottomOf(lastRow, home) + ", under the page dots")
        verify(bottomOf(dots, home) <= dock.mapToItem(home, 0, 0).y)
        verify(dock.width <= testCase.width, "the dock is wider than the screen")
    }

    // Without a bottom inset the home bar is raised 10 points off the screen's edge.
    function test_homeBarRaisedWithoutABottomInset() {
        const home = launch()
        home.model.openAppView(AppView.AppCalculator)
        const grab = findChild(home.current, "homeBarGrabArea")
        compare(bottomOf(grab, home), 667 - 10)
        compare(findChild(home.current, "homeBarPill").color, Qt.color("white"))
    }
}
