import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Store
import Kestrel.Testing

// The store on the phone with a home button (375 x 667): everything fits across the screen.
TestCase {
    id: testCase
    name: "TesselTouchId"
    when: windowShown
    width: AppContext.device.screenWidth
    height: AppContext.device.screenHeight
    visible: true

    Component {
        id: storeComponent
        Tessel {
            width: testCase.width
            height: testCase.height
            iconBase: "http://127.0.0.1:1/icons/"
        }
    }

    function rightOf(item, store) { return item.mapToItem(store, item.width, 0).x }

    function test_fitsTheNarrowScreen() {
        compare(testCase.width, 375, "run with KESTREL_TEST_DEVICE=touchid")
        const store = createTemporaryObject(storeComponent, testCase)
        waitForRendering(store)
        const box = findChild(store, "storeSearchBox")
        compare(rightOf(box, store), 375, "the search box ends at the trailing edge")
        const row = findChild(store, "storeRow_Wavelet Radio")
        compare(findChild(row, "storeRowName").truncated, false, "the longest name fits beside the badge")
        compare(rightOf(findChild(row, "storeRowBadge"), store), 375 - 32)
        compare(TestSupport.clippedControls(store), [])
        const scroller = findChild(store, "storeScroller")
        scroller.contentY = scroller.contentHeight - scroller.height + scroller.bottomMargin
        waitForRendering(store)
        compare(TestSupport.clippedControls(store), [], "at the end of the list")
    }
}
