import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Settings
import Kestrel.Testing
import "../.."

// The passcode gate and settings through the real Settings app, driven by taps.
SettingsDriver {
    id: testCase
    name: "PasscodeSettings"

    property var settings: null

    function openWith(usePasscode, passcode) {
        resetSettings({ Use_Passcode: usePasscode, App_Passcode: passcode })
        settings = open()
        enterGate()
    }
    // Activates the passcode row of the list the way a tap does, so the list hands the gate
    // the Settings screen itself.
    function enterGate() {
        const list = findChild(settings, "settingsRows")
        for (const section of settings.model.sections)
            for (const row of section)
                if (row.page === "PasscodeGate.qml")
                    list.activated(row, 0, 0)
        tryVerify(() => gate() !== null && !settings.stack.busy)
    }
    function leave() {
        settings.stack.pop()
        tryVerify(() => !settings.stack.busy && settings.stack.depth === 1)
    }
    function gate() { return settings.stack.currentItem.objectName === "passcodeGate" ? settings.stack.currentItem : null }
    // Only what is shown now: a replaced page may linger until its deferred deletion.
    function shown(name) {
        let item = findChild(gate(), "gateContent").item
        if (item && item.objectName === name)
            return item
        const inner = item ? findChild(item, "passcodeContent") : null
        if (inner && inner.item)
            item = inner.item
        return item && item.objectName === name ? item : (item ? findChild(item, name) : null)
    }
    // A page just shown is laid out on its first polish; tap only after it.
    function tap(name) {
        const item = shown(name)
        verify(item && item.visible, name + " is not shown")
        waitForItemPolished(item.parent)
        mouseClick(item)
    }
    function type(digits) {
        for (const d of digits) {
            const keypad = shown("enterPasscode") || shown("makePasscode")
            mouseClick(findChild(keypad, "settingsKey" + d))
        }
    }
    function dots() {
        return [1, 2, 3, 4, 5, 6].filter(i => findChild(shown("enterPasscode") || shown("makePasscode"), "keypadDot" + i).name === "circle.fill").length
    }
    // Nothing is cut off, on either phone (this file also runs on the one with a home button).
    function fits(what) {
        waitForItemPolished(settings.stack.currentItem)
        compare(TestSupport.clippedControls(settings), [], what + " on " + AppContext.device.profile)
    }
    function stored(key, fallback) {
        const v = TestSupport.storedSetting(key)
        return v === undefined ? fallback : String(v)
    }

    function test_gateAsksThenRemembersUntilSettingsCloses() {
        openWith(true, "123456")
        verify(shown("enterPasscode"), "a six-digit passcode must be asked for")
        fits("Enter Passcode")
        compare(gate().title, "Enter Passcode")
        type("12")
        compare(dots(), 2)
        type("9999")
        compare(dots(), 0, "six wrong digits must empty the indicators")
        verify(shown("enterPasscode"))
        type("123456")
        tryVerify(() => shown("faceIDPasscodeView") !== null, 1000, "the right code must open the settings")
        compare(gate().title, AppContext.device.biometryKind + " & Passcode")
        leave()
        enterGate()
        verify(shown("faceIDPasscodeView"), "asked again while Settings is still open")
        settings.destroy()
        settings = open()
        enterGate()
        verify(shown("enterPasscode"), "a newly opened Settings must ask again")
    }

    function test_shortStoredCodeOpensAndIsDiscarded() {
        openWith(true, "12345")
        tryVerify(() => shown("passcodeList") !== null)
        compare(stored("App_Passcode", ""), "")
    }

    function test_turnOffAndOnThenMakeAPasscode() {
        openWith(false, "424242")
        tryVerify(() => shown("passcodeList") !== null)
        fits("the passcode list")
        verify(!shown("changePasscodeButton").visible, "no Change Passcode while off")
        compare(shown("turnPasscodeButton").text, "Turn Passcode On")
        tap("turnPasscodeButton")
        // On again with the old code: the gate follows at once and asks for it.
        tryVerify(() => shown("enterPasscode") !== null)
        compare(stored("Use_FaceID_TouchID", "false"), "true")
        type("424242")
        tryVerify(() => shown("passcodeList") !== null)
        tap("turnPasscodeButton")
        compare(stored("Use_Passcode", ""), "false")
        compare(stored("Use_FaceID_TouchID", ""), "false")
        compare(stored("App_Passcode", ""), "424242")
        tap("turnPasscodeButton")
        tryVerify(() => shown("changePasscodeButton") && shown("changePasscodeButton").visible)
        tap("iPhoneUnlockSwitchControl")
        compare(stored("Use_FaceID_TouchID", ""), "false")

        tap("changePasscodeButton")
        tryVerify(() => shown("makePasscode") !== null)
        compare(stored("App_Passcode", "x"), "")
        fits("Make A Passcode")
        type("987")
        compare(dots(), 3)
        compare(stored("App_Passcode", ""), "987")
        // Leaving now and coming back leaves no passcode.
        leave()
        enterGate()
        tryVerify(() => shown("passcodeList") !== null)
        compare(stored("App_Passcode", "x"), "")
        tap("changePasscodeButton")
        tryVerify(() => shown("makePasscode") !== null)
        type("1234567")
        compare(stored("App_Passcode", ""), "123456", "a seventh digit must be ignored")
    }
}
