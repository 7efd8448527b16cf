import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Lock
import Kestrel.Platform
import Kestrel.Testing

// The flow from lock screen to home through the real screens, driven by taps.
ScreenTestCase {
    name: "LockFlow"

    property var app: null

    function init() {
        AppContext.biometrics.enrolled = true
        if (AppContext.biometrics.evaluating)
            AppContext.biometrics.answer(SimulatedBiometrics.Cancel)
    }

    function launch(usePasscode, passcode, biometrics, more) {
        resetSettings(Object.assign({ Setup_Complete: true, Use_Passcode: usePasscode, App_Passcode: passcode,
                                      Use_FaceID_TouchID: biometrics }, more))
        app = launchShell()
        waitForContent()
        return app
    }

    // The newest lock screen (a "Cancel" replaces the old one, which then fades away).
    function lock() { return app.children[app.children.length - 1].currentItem }
    function waitForContent() {
        tryVerify(() => lock() && lock().objectName === "lockscreen" && findChild(lock(), "lockContent") !== null,
                  2000, "no lock content shown")
    }
    function shownObject(name) { return findChild(lock(), name) }
    function tap(name) { mouseClick(shownObject(name)) }
    function home() { return findChild(lock(), "homeScreen") }
    function unlockscreen() { return findChild(lock(), "unlockscreen") }
    function typeDigits(digits) { for (const d of digits) mouseClick(findChild(unlockscreen(), "key" + d)) }

    function test_noPasscodeGoesStraightHome() {
        launch(false, "123456", true)
        verify(!shownObject("lockSymbol").visible, "no lock symbol without a passcode")
        verify(!AppContext.biometrics.evaluating, "no biometric prompt without a passcode")
        tap("pressHomeButton")
        tryVerify(() => home() !== null, 2000, "the home screen did not open")
        compare(unlockscreen(), null)
        verify(home().clockStrings.KestrelDayOfMonth !== undefined)
        compare(home().pageOwner, lock().model, "the home screen shares the lock screen's page")
    }

    // The dots and the Cancel/Delete key follow the typing; six wrong digits clear with faded dots.
    function test_passcodeKeypad() {
        launch(true, "123456", false)
        compare(shownObject("lockSymbol").name, "lock.fill")
        tap("pressHomeButton")
        tryVerify(() => unlockscreen() !== null && findChild(unlockscreen(), "keypadContent") !== null)
        const unlock = unlockscreen()
        const key = () => findChild(unlock, "cancelDeleteButton")
        compare([findChild(unlock, "passcodeTitle").text, key().text], ["Enter Passcode", "Cancel"])
        typeDigits("111111")
        tryCompare(unlock.model, "Password", "")
        compare([findChild(unlock, "dot1").name, findChild(unlock, "dot1").opacity], ["circle", 0.5])
        typeDigits("12345")
        compare([findChild(unlock, "dot5").name, findChild(unlock, "dot6").name, key().text], ["circle.fill", "circle", "Delete"])
        mouseClick(key())
        compare([unlock.model.Password, findChild(unlock, "dot5").name, home()], ["1234", "circle", null])
        typeDigits("56")
        tryVerify(() => home() !== null, 2000, "the right passcode did not open the home screen")
    }

    function test_biometricMatchOnLockContent() {
        launch(true, "123456", true)
        tryVerify(() => AppContext.biometrics.evaluating, 1000, "no biometric prompt on the lock content")
        compare(AppContext.biometrics.reason, "To Unlock Kestrel")
        AppContext.biometrics.answer(SimulatedBiometrics.Matching)
        tryCompare(shownObject("lockSymbol"), "name", "lock.open.fill")
        tap("pressHomeButton")
        tryVerify(() => home() !== null, 2000, "a biometric match must open without the passcode")
        compare(unlockscreen(), null)
    }

    function test_biometricMatchOnKeypadFillsThePasscode() {
        launch(true, "98765432", true) // too long to type: only a match opens
        AppContext.biometrics.answer(SimulatedBiometrics.NonMatching)
        tap("pressHomeButton")
        tryVerify(() => unlockscreen() !== null)
        tryVerify(() => AppContext.biometrics.evaluating, 1000, "no biometric prompt on the keypad")
        compare(findChild(unlockscreen(), "passcodeTitle").text, "Face ID or Enter Passcode")
        AppContext.biometrics.answer(SimulatedBiometrics.Matching)
        tryVerify(() => home() !== null, 2000)
    }

    function test_cameraPlaceholderBlocksAndReoffersBiometrics() {
        launch(true, "123456", true)
        tryVerify(() => AppContext.biometrics.evaluating)
        AppContext.biometrics.answer(SimulatedBiometrics.Matching)
        tryCompare(lock().model, "Unlocked", true)
        tap("cameraButton")
        tryVerify(() => shownObject("cameraPlaceholder") !== null)
        // Nothing else is reachable from the placeholder, not even with the phone unlocked.
        lock().model.pressHome()
        AppContext.homePressed()
        mouseClick(shownObject("cameraPlaceholder"), 20, 20)
        wait(50)
        verify(shownObject("cameraPlaceholder") !== null)
        compare(home(), null)
        tap("cameraMessage")
        tryVerify(() => shownObject("lockContent") !== null)
        tryVerify(() => AppContext.biometrics.evaluating, 1000, "closing the camera must offer biometrics again")
    }

    function test_circularButtonsPlayOneHeavyHapticBeforeTheirChange() {
        launch(false, "", false)
        const model = lock().model
        const seen = []
        const recorder = (style) => seen.push([style, model.torchState.isOn, model.OpenCamera])
        AppContext.haptics.impacted.connect(recorder)
        tap("torchButton")
        tap("torchButton")
        tap("cameraButton")
        AppContext.haptics.impacted.disconnect(recorder)
        compare(JSON.stringify(seen), JSON.stringify([[2, false, false], [2, true, false], [2, false, false]]))
        verify(model.OpenCamera)
    }

    // The flags change inside an ease-in animation: fills, colours and the lock symbol fade.
    function test_circularButtonAndLockSymbolFade() {
        launch(true, "123456", true)
        const circle = findChild(shownObject("torchButton"), "buttonCircle")
        tap("torchButton")
        verify(circle.opacity < 1, "the torch's circle turned solid at once")
        tryCompare(circle, "opacity", 1)
        const symbol = shownObject("lockSymbol")
        const seen = []
        symbol.fadeInChanged.connect(() => seen.push(symbol.fadeIn))
        tryVerify(() => AppContext.biometrics.evaluating)
        AppContext.biometrics.answer(SimulatedBiometrics.Matching)
        tryCompare(symbol, "name", "lock.open.fill")
        tryCompare(symbol, "fadeIn", 1)
        compare(seen[0], 0, "the open lock did not fade in")
    }

    // With a passcode set, the other routes through the lock and passcode screens leave the phone
    // locked (the camera's are checked above). Cancel nests a fresh lock screen, torch flag off.
    function test_noBackDoorToHome() {
        launch(true, "123456", true)
        AppContext.biometrics.answer(SimulatedBiometrics.NonMatching)
        for (let round = 0; round < 2; ++round) {
            AppContext.homePressed()
            tap("torchButton")
            verify(lock().model.torchState.isOn)
            tap("pressHomeButton")
            tryVerify(() => unlockscreen() !== null && findChild(unlockscreen(), "keypadContent") !== null)
            if (AppContext.biometrics.evaluating)
                AppContext.biometrics.answer(SimulatedBiometrics.NonMatching)
            AppContext.homePressed()
            typeDigits("000000")
            tryCompare(unlockscreen().model, "Password", "") // cleared: the key says Cancel again
            mouseClick(findChild(unlockscreen(), "cancelDeleteButton"))
            waitForContent()
            compare(home(), null, "round " + round + " reached the home screen")
            tryVerify(() => !lock().model.torchState.isOn && !lock().model.Unlocked, 2000, "the new lock screen starts afresh")
        }
    }

    // The lock screen reads its own keys (the flag staying set on a bad file: the settings' tests).
    function test_lockWallpaperChoice_data() {
        return [
            { tag: "named", name: "Mars", custom: false, expected: "/Mars." },
            { tag: "custom without its file", name: "Mars", custom: true, expected: "/Wallpaper." },
            { tag: "unknown name", name: "NoSuchPicture", custom: false, expected: "/Wallpaper." },
        ]
    }
    function test_lockWallpaperChoice(data) {
        launch(false, "", false, { Lockscreen_Wallpaper: data.name, Lockscreen_Wallpaper_Custom: data.custom })
        const source = String(shownObject("lockWallpaper").source)
        verify(source.indexOf(data.expected) > 0, "wallpaper source " + source)
    }

    function test_cancelCyclesDoNotGrowTheTree() {
        launch(true, "123456", false)
        cyclesKeepNothing(app, () => {
            lock().model.pressHome()
            tryVerify(() => unlockscreen() !== null && unlockscreen().model !== undefined, 2000)
            unlockscreen().model.pressCancel()
            tryVerify(() => findChild(lock(), "lockContent") !== null, 2000)
        })
    }
}
