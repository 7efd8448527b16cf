import QtQuick
import QtQml.Models
import Kestrel.App
import Kestrel.Home

// The paged view of the search page (0) and the two icon pages (1, 2). Its page is the home
// screen's CurrentPage both ways: a swipe writes it, and a change from elsewhere turns the page.
Item {
    id: pager
    objectName: "pager"

    required property HomeScreenModel model
    required property Item home
    // False once the screen is being replaced: pages still being made in the background are
    // finished at once, as a screen destroyed in the middle of making one leaks what it made.
    property bool loadInBackground: true
    // False on a screen that is going and no longer shown: its pages are released at once.
    property bool keepPages: true

    ListView {
        id: pages
        objectName: "pages"
        anchors.fill: parent
        orientation: ListView.Horizontal
        snapMode: ListView.SnapOneItem
        highlightRangeMode: ListView.StrictlyEnforceRange
        boundsBehavior: Flickable.StopAtBounds
        highlightMoveDuration: 250
        cacheBuffer: width * 2
        currentIndex: pager.model.CurrentPage
        onCurrentIndexChanged: pager.model.CurrentPage = currentIndex
        Component.onCompleted: positionViewAtIndex(currentIndex, ListView.Beginning)

        // Only the page on display is made before the home screen's first frame; the others
        // follow in the background right after, long before a swipe can bring them in.
        model: ObjectModel {
            Loader {
                width: pages.width
                height: pages.height
                active: pager.keepPages
                asynchronous: pager.loadInBackground && pager.model.CurrentPage !== 0
                sourceComponent: SearchPage {
                    model: pager.model
                }
            }
            Loader {
                width: pages.width
                height: pages.height
                active: pager.keepPages
                asynchronous: pager.loadInBackground && pager.model.CurrentPage !== 1
                sourceComponent: IconPage {
                    objectName: "iconPage1"
                    model: pager.model
                    home: pager.home
                    rows: pager.model.pageOneRows
                }
            }
            Loader {
                width: pages.width
                height: pages.height
                active: pager.keepPages
                asynchronous: pager.loadInBackground && pager.model.CurrentPage !== 2
                sourceComponent: IconPage {
                    objectName: "iconPage2"
                    model: pager.model
                    home: pager.home
                    rows: pager.model.pageTwoRows
                }
            }
        }
    }

    // Page dots, hidden on the search page.
    Row {
        objectName: "pageDots"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 8
        spacing: 9
        visible: !pager.model.searchPageShown
        Repeater {
            model: 3 // the search page and the two icon pages
            Rectangle {
                required property int index
                width: 7
                height: 7
                radius: 3.5
                color: "white"
                opacity: index === pager.model.CurrentPage ? 1 : 0.35
            }
        }
    }
}
