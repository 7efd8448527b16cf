import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Packages
import Kestrel.Ui
import Kestrel.Testing

// The package manager as a person uses it: tabs, the Sources list and its prompt, a repository
// down to a tapped tweak. Repositories come from data: addresses, typed into the prompt.
TestCase {
    id: testCase
    name: "Cydia"
    when: windowShown
    width: AppContext.device.screenWidth
    height: AppContext.device.screenHeight
    visible: true

    Component {
        id: cydiaComponent
        Cydia { width: testCase.width; height: testCase.height }
    }

    function init() { TestSupport.clearSettings() }

    function open() { return createTemporaryObject(cydiaComponent, testCase) }
    function tab(cydia, name) { mouseClick(findChild(cydia, name)) }

    function sources(cydia) {
        tab(cydia, "sourcesTab")
        const list = findChild(cydia, "sourcesList")
        tryVerify(() => list.count > 0, 2000, "the default source was not put back")
        return findChild(cydia, "cydiaSources")
    }

    function addSource(cydia, text) {
        mouseClick(findChild(cydia, "addButton"))
        const field = findChild(cydia, "alertField")
        tryVerify(() => field.activeFocus, 1000, "the prompt's field is not focused")
        field.text = text
        keyClick(Qt.Key_Return)
        verify(!findChild(cydia, "textAlert").visible, "the prompt stayed open")
    }

    function fits(cydia, what) { compare(TestSupport.clippedControls(cydia), [], what + " has controls cut off") }

    function rowTitle(cydia, index) {
        // A row exists once the list has laid it out, which may be a frame after the count.
        tryVerify(() => findChild(cydia, "sourceRow_" + index), 2000, "no row " + index)
        return findChild(findChild(cydia, "sourceRow_" + index), "sourceTitle").text
    }

    function repository(packages) {
        return "data:application/json;base64," + Qt.btoa(JSON.stringify(packages))
    }

    function test_tabsAndTheInstalledButton() {
        const cydia = open()
        compare(cydia.currentPage, 1)
        tab(cydia, "sourcesTab")
        compare(findChild(findChild(cydia, "homeTab"), "tabSymbol").name, "star", "the tab left shows its outline")
        tab(cydia, "changesTab")
        compare(findChild(cydia, "changesPage").text, "Chnages")
        verify(findChild(cydia, "changesPage").visible)
        tab(cydia, "searchTab")
        compare(findChild(cydia, "searchPage").text, "Search")
        fits(cydia, "the Search tab")

        tab(cydia, "installedTab")
        const button = findChild(cydia, "hideDockButton")
        compare(button.text, "Install Hide Dock")
        fits(cydia, "the Installed tab")
        mouseClick(button)
        compare(button.text, "Remove Hide Dock")
        compare(TestSupport.storedSetting("Dock_Opacity"), "0")
    }

    function test_sourcesAndThePrompt() {
        const cydia = open()
        const page = sources(cydia)
        const list = findChild(cydia, "sourcesList")
        compare(list.count, 1, "a first launch shows exactly one source")
        compare(rowTitle(cydia, 0), "Tessel")
        verify(findChild(findChild(cydia, "sourceRow_0"), "remoteIcon").visible)

        mouseClick(findChild(cydia, "addButton"))
        compare(findChild(cydia, "alertTitle").text, "Enter Cydia/APT URL")
        compare(findChild(cydia, "alertField").placeholderText, "https://")
        compare(findChild(cydia, "alert_accept").text, "Add Source")
        compare(findChild(cydia, "alert_cancel").text, "Cancel")
        fits(cydia, "the add prompt")
        keyClick(Qt.Key_Escape)
        verify(!page.addItemToggle, "Escape must close the prompt")
        compare(list.count, 1, "Cancel adds nothing")

        addSource(cydia, "https://repo.example/Other.json")
        compare(list.count, 2)
        compare(rowTitle(cydia, 1), "Unknown")
        compare(findChild(findChild(cydia, "sourceRow_1"), "sourceUrl").text, "https://repo.example/Other.json")
        verify(findChild(findChild(cydia, "sourceRow_1"), "bundledIcon").visible, "no icon address shows CydiaIcon")
        fits(cydia, "the Sources tab")

        // Accepting with the button and an empty field adds an empty address.
        mouseClick(findChild(cydia, "addButton"))
        mouseClick(findChild(cydia, "alert_accept"))
        compare(list.count, 3)
        tryVerify(() => findChild(cydia, "sourceRow_2"), 1000)
        compare(findChild(findChild(cydia, "sourceRow_2"), "sourceUrl").text, "")
    }

    function test_deletingTheLastSourceBringsTheDefaultBack() {
        const cydia = open()
        const page = sources(cydia)
        const list = findChild(cydia, "sourcesList")
        mouseClick(findChild(cydia, "editButton"))
        compare(findChild(cydia, "editButton").text, "Done")
        const minus = findChild(findChild(cydia, "sourceRow_0"), "minusButton")
        tryVerify(() => minus.visible && minus.mapToItem(cydia, 0, 0).x >= 16, 1000, "edit mode shows no minus button")
        mouseClick(minus)
        const row = findChild(cydia, "sourceRow_0")
        tryVerify(() => row.swipe.position === -1 && findChild(row, "deleteButton"), 2000, "Delete was not shown")
        const del = findChild(row, "deleteButton")
        wait(300) // the swipe settles before its button takes a tap
        mouseClick(del)
        tryVerify(() => list.count === 1, 2000)
        compare(rowTitle(cydia, 0), "Tessel")
    }

    function test_repositoryToATweak() {
        const cydia = open()
        const page = sources(cydia)
        addSource(cydia, repository([
            { PackageName: "Clear", PackageID: "c", Category: "Tweaks", PackageVersion: "1", DockOpacity: 0 },
            { PackageName: "Skin", PackageID: "s", Category: "Themes", PackageVersion: "1" },
            { PackageName: "Plain", PackageID: "p", Category: "Tweaks", PackageVersion: "1" },
            { PackageName: "Lower", PackageID: "l", Category: "tweaks", PackageVersion: "1", DockOpacity: 5 }]))
        mouseClick(findChild(cydia, "sourceRow_1"))
        let detail = null
        tryVerify(() => (detail = findChild(cydia, "repoDetailView")) && detail.repository.fetchesCompleted === 1, 3000,
                  "the repository was not fetched when its Sections page showed")
        compare(findChild(detail, "navigationTitle").text, "Sections")
        tryVerify(() => !page.busy, 2000)
        fits(cydia, "the Sections page")
        mouseClick(findChild(detail, "tweaksSection"))
        let tweaks = null
        tryVerify(() => (tweaks = findChild(cydia, "tweaksPage")) && findChild(tweaks, "tweakRow_1"), 3000)
        compare(findChild(findChild(tweaks, "tweakRow_0"), "tweakName").text, "Clear")
        compare(findChild(findChild(tweaks, "tweakRow_1"), "tweakName").text, "Plain")
        verify(!findChild(tweaks, "tweakRow_2"), "only Category \"Tweaks\", exactly, is listed")
        tryVerify(() => !page.busy, 2000)
        fits(cydia, "the Tweaks page")

        mouseClick(findChild(tweaks, "tweakRow_0"))
        compare(TestSupport.storedSetting("Dock_Opacity"), "0")
        mouseClick(findChild(tweaks, "tweakRow_1"))
        compare(TestSupport.storedSetting("Dock_Opacity"), "1")
        compare(TestSupport.storedSetting("Hide_Dock_Installed"), undefined)

        mouseClick(findChild(tweaks, "backButton"))
        tryVerify(() => detail.repository.fetchesCompleted === 2, 3000, "returning to Sections fetches again")
    }

    function test_homeTab() {
        const cydia = open()
        const home = findChild(cydia, "cydiaHome")
        verify(home.visible)
        compare(findChild(home, "navigationTitle").text, "Home")
        fits(cydia, "the Home tab")
        for (const inert of ["aboutButton", "reloadButton"]) {
            mouseClick(findChild(home, inert))
            compare(home.depth, 1, inert + " must do nothing")
        }
        for (const row of ["featuredRow", "themesRow", "accountRow"]) {
            mouseClick(findChild(home, row))
            tryVerify(() => home.depth === 2 && !home.busy, 2000)
            compare(home.currentItem.objectName, "numberPage")
            home.pop(null, 1)
            tryVerify(() => home.depth === 1 && !home.busy, 2000)
        }
        compare(findChild(findChild(home, "twitterRow"), "linkTitle").text, "@wren_hollis")
    }
}
