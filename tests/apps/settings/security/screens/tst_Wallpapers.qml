import QtQuick
import QtQuick.Controls.Basic
import QtTest
import Kestrel.App
import Kestrel.Ui
import Kestrel.Testing

// The wallpaper pages driven through taps, from the Wallpaper page to the stored keys and files.
ScreenTestCase {
    id: testCase
    name: "Wallpapers"

    Component {
        id: stackComponent
        StackView {
            objectName: "settingsStack"
            width: testCase.width
            height: testCase.height
            Component.onCompleted: push("qrc:/Kestrel/Apps/Settings/WallpaperSettings.qml", {}, StackView.Immediate)
        }
    }

    Setting { id: lockName; key: "Lockscreen_Wallpaper"; defaultValue: "Wallpaper" }
    Setting { id: homeName; key: "Homescreen_Wallpaper"; defaultValue: "Wallpaper" }
    Setting { id: lockCustom; key: "Lockscreen_Wallpaper_Custom"; defaultValue: false }
    Setting { id: homeCustom; key: "Homescreen_Wallpaper_Custom"; defaultValue: false }

    property var stack: null

    function init() {
        TestSupport.clearSettings()
        stack = createTemporaryObject(stackComponent, testCase)
        tryVerify(() => stack.currentItem && stack.currentItem.objectName === "wallpaperSettings")
    }
    function tap(name, root) {
        const item = findChild(root || stack.currentItem, name)
        verify(item && item.visible, name + " is not shown")
        mouseClick(item)
        return item
    }
    function page() { return stack.currentItem }
    // Nothing is cut off, on either phone (this file also runs on the one with a home button).
    function fits(what) {
        wait(50)
        compare(TestSupport.clippedControls(stack), [], what + " on " + AppContext.device.profile)
    }
    function stored() { return [lockName.value, homeName.value, lockCustom.value, homeCustom.value] }
    function openStills(check) {
        tap("chooseNewWallpaperRow")
        tryVerify(() => page().objectName === "chooseNewWallpaper" && !stack.busy)
        if (check)
            fits("Choose")
        tap("stillsEntry")
        tryVerify(() => page().objectName === "stillsWallpapers" && !stack.busy)
    }
    function chooseStill(name) {
        tap("still_" + name)
        tryVerify(() => findChild(page(), "setWallpaperView") !== null)
        verify(page().navigationBarHidden, "the Set page hides the navigation bar")
        return findChild(page(), "setWallpaperView")
    }
    function waitReady(image) { tryVerify(() => image.status === Image.Ready, 3000, "picture never loaded") }

    // A catalogue choice writes the name and clears the custom flag, only for the screen asked for.
    function test_marsForTheLockScreenOnly() {
        resetSettings({ Lockscreen_Wallpaper_Custom: true, Homescreen_Wallpaper_Custom: true })
        fits("the Wallpaper page")
        openStills(true)
        fits("Stills")
        compare(page().title, "Wallpaper")
        const set = chooseStill("Mars")
        compare(findChild(set, "setPreview").source, Assets.url("Mars"))
        tap("setButton", set)
        tryVerify(() => findChild(set, "wallpaperActionSheet").opacity === 1)
        fits("the Set page and its action sheet")
        tap("setLockScreenButton", set)
        compare(stored(), ["Mars", "Wallpaper", false, true])
        tryVerify(() => !page().navigationBarHidden && page().title === "Wallpaper", 1000, "stills not back after setting")
        stack.pop(null, StackView.Immediate)
        compare(findChild(page(), "lockPreview").source, Assets.url("Mars"))
        compare(findChild(page(), "homePreview").source, Assets.url("Wallpaper"))
    }

    function test_cancelsStoreNothing() {
        TestSupport.setSetting("Homescreen_Wallpaper", "Earth")
        openStills()
        let set = chooseStill("Moon")
        tap("setButton", set)
        tryVerify(() => findChild(set, "wallpaperActionSheet").opacity === 1)
        tap("sheetCancelButton", set)
        tryVerify(() => findChild(set, "wallpaperActionSheet").opacity === 0)
        verify(page().navigationBarHidden, "closing the sheet keeps the preview")
        tap("setCancelButton", set)
        tryVerify(() => !page().navigationBarHidden)
        compare(stored(), ["Wallpaper", "Earth", false, false])
        verify(findChild(findChild(page(), "setWallpaperView"), "stillsWallpapers"), "no fresh Stills page in its place")
    }

    // A photo writes the file and sets the flag, leaving the names and the other screen alone.
    function test_photoForTheHomeScreen() {
        TestSupport.setSetting("Homescreen_Wallpaper", "Earth")
        const photo = TestSupport.dataRoot + "/photo.png"
        const red = createTemporaryQmlObject("import QtQuick; Rectangle { width: 90; height: 160; color: 'red' }", testCase)
        let saved = false
        red.grabToImage(result => { saved = result.saveToFile(photo) })
        tryVerify(() => saved)

        tap("chooseNewWallpaperRow")
        tryVerify(() => page().objectName === "chooseNewWallpaper" && !stack.busy)
        page().model.pick("file://" + photo)
        tryVerify(() => page().navigationBarHidden, 3000, "a picked photo opens the Set page")
        const set = findChild(page(), "setWallpaperView"), preview = findChild(set, "setPreview")
        waitReady(preview)
        verify(preview.custom && String(preview.source).indexOf("CustomWallpaper") >= 0)
        tap("setButton", set)
        tryVerify(() => findChild(set, "wallpaperActionSheet").opacity === 1)
        tap("setHomeScreenButton", set)
        compare(stored(), ["Wallpaper", "Earth", false, true])
        stack.pop(null, StackView.Immediate)
        const home = findChild(page(), "homePreview")
        tryVerify(() => String(home.source).indexOf("CustomWallpaperHome") >= 0)
        waitReady(home)
        compare(findChild(page(), "lockPreview").source, Assets.url("Wallpaper"))
    }

    // A custom file that goes bad previews "Wallpaper" with its flag left set, and the preview
    // still follows the next choice (it must not have traded its binding for the fallback).
    function test_damagedCustomFile() {
        // A pick of a missing file keeps the built-in picture as "CustomWallpaper", which makes
        // the documents folder the damaged files go into.
        const chooser = createTemporaryQmlObject("import Kestrel.Apps.Settings; ChooseNewWallpaperModel {}", testCase)
        chooser.pick("file://" + TestSupport.dataRoot + "/missing.jpg")
        tryVerify(() => chooser.SetWallpaper)
        verify(TestSupport.writeFile("Documents/CustomWallpaperLock", "GIF89a but nothing after it"))
        verify(TestSupport.writeFile("Documents/CustomWallpaperHome", ""))
        TestSupport.setSetting("Lockscreen_Wallpaper", "Moon")
        TestSupport.setSetting("Lockscreen_Wallpaper_Custom", true)
        TestSupport.setSetting("Homescreen_Wallpaper_Custom", true)
        const again = createTemporaryObject(stackComponent, testCase)
        tryVerify(() => again.currentItem && again.currentItem.objectName === "wallpaperSettings")
        const badLock = findChild(again.currentItem, "lockPreview"), noHome = findChild(again.currentItem, "homePreview")
        tryVerify(() => String(badLock.source) === String(Assets.url("Wallpaper")), 3000, "a damaged file must preview Wallpaper")
        compare(noHome.source, Assets.url("Wallpaper"))
        compare(stored(), ["Moon", "Wallpaper", true, true])
        TestSupport.setSetting("Lockscreen_Wallpaper_Custom", false)
        compare(badLock.source, Assets.url("Moon"))
    }
}
