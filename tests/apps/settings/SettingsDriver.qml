import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Settings
import Kestrel.Testing

// Shared steps of the Settings screen tests: open a fresh screen, walk rows, go back, and list
// what a page shows. A row below the fold is scrolled into view before it is tapped.
ScreenTestCase {
    id: driver

    Component {
        id: settingsComponent
        Settings {
            width: driver.width
            height: driver.height
        }
    }

    function init() { TestSupport.clearSettings() }

    function open() {
        const screen = createTemporaryObject(settingsComponent, driver)
        verify(screen, "Settings opens")
        wait(50) // the columns lay the rows out before the next frame
        return screen
    }

    function settle(screen) {
        tryCompare(screen.stack, "busy", false)
        wait(50)
    }

    // Every visible item under `item` that `wanted` accepts, in tree order; `prune` stops the walk.
    function collect(item, wanted, prune) {
        const found = []
        const walk = it => {
            if (!it.visible || it.opacity === 0 || (prune && prune(it)))
                return
            if (wanted(it))
                return found.push(it)
            for (let i = 0; i < it.children.length; ++i)
                walk(it.children[i])
        }
        walk(item)
        return found
    }

    function rowsOf(page) { return collect(page, it => it.objectName.startsWith("row:")) }

    function labelsOf(page) { return rowsOf(page).map(r => r.entry.label) }

    function findRow(screen, label) {
        const row = rowsOf(screen.stack.currentItem).find(r => r.entry.label === label)
        verify(row, "row " + label + " is on the page")
        return row
    }

    // Scrolls the row's list until the whole row shows, then taps it.
    function tapRow(screen, label) {
        const row = findRow(screen, label)
        let list = row.parent
        while (list && list.contentY === undefined)
            list = list.parent
        if (list) {
            const top = row.mapToItem(list.contentItem, 0, 0).y
            list.contentY = Math.max(0, Math.min(top - 100, list.contentHeight - list.height))
        }
        mouseClick(row)
        settle(screen)
    }

    function back(screen) {
        mouseClick(findChild(screen, "backButton"))
        settle(screen)
    }

    // Texts shown under an item; symbols are glyphs, not text.
    function textsOf(item) {
        return collect(item, it => it.font !== undefined && it.text !== undefined && it.text !== "",
                       it => it.mapped !== undefined).map(it => it.text)
    }
}
