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

        model: ObjectModel {
            SearchPage {
                width: pages.width
                height: pages.height
                model: pager.model
            }
            IconPage {
                objectName: "iconPage1"
                width: pages.width
                height: pages.height
                model: pager.model
                home: pager.home
                rows: pager.model.pageOneRows
            }
            IconPage {
                objectName: "iconPage2"
                width: pages.width
                height: pages.height
                model: pager.model
                home: pager.home
                rows: pager.model.pageTwoRows
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
