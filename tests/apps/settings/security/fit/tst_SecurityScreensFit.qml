import QtQuick
import QtQuick.Controls
import QtTest
import Kestrel.App
import Kestrel.Apps.Settings
import Kestrel.Testing

// Nothing on the passcode and wallpaper screens is cut off, on either phone.
TestCase {
    id: testCase
    name: "SecurityScreensFit"
    when: windowShown
    width: AppContext.device.screenWidth
    height: AppContext.device.screenHeight
    visible: true

    Component {
        id: settingsComponent
        Settings { width: testCase.width; height: testCase.height }
    }

    function push(settings, page, args) {
        settings.stack.push(Qt.resolvedUrl("qrc:/Kestrel/Apps/Settings/" + page), args || {}, StackView.Immediate)
        waitForItemPolished(settings.stack.currentItem)
        return settings.stack.currentItem
    }
    function fits(settings, what) {
        wait(50)
        compare(TestSupport.clippedControls(settings), [], what + " on " + AppContext.device.profile)
    }

    function test_passcodeScreens() {
        TestSupport.clearSettings()
        TestSupport.setSetting("Use_Passcode", true)
        TestSupport.setSetting("App_Passcode", "123456")
        const settings = createTemporaryObject(settingsComponent, testCase)
        const gate = push(settings, "PasscodeGate.qml", { "screen": settings })
        fits(settings, "Enter Passcode")
        TestSupport.setSetting("Use_Passcode", false)
        tryVerify(() => findChild(gate, "passcodeList") !== null)
        fits(settings, "the passcode list")
        TestSupport.setSetting("App_Passcode", "")
        TestSupport.setSetting("Use_Passcode", true)
        findChild(gate, "faceIDPasscodeView").model.startChangePasscode()
        tryVerify(() => findChild(gate, "makePasscode") !== null)
        fits(settings, "Make A Passcode")
    }

    function test_wallpaperScreens() {
        const settings = createTemporaryObject(settingsComponent, testCase)
        push(settings, "WallpaperSettings.qml")
        fits(settings, "the Wallpaper page")
        push(settings, "ChooseNewWallpaper.qml")
        fits(settings, "Choose")
        const stills = push(settings, "StillsWallpapers.qml")
        fits(settings, "Stills")
        stills.wallpaper = "Mars"
        tryVerify(() => settings.stack.currentItem.navigationBarHidden)
        const set = findChild(stills, "setWallpaperView")
        set.model.pressSet()
        tryVerify(() => findChild(set, "wallpaperActionSheet").opacity === 1)
        fits(settings, "the Set page and its action sheet")
    }
}
