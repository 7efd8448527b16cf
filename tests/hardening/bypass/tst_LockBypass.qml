import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Platform
import Kestrel.Testing

// A locked phone (passcode "000000") walked through every control it shows, the hardware
// menu's Home and handed-over links, in any order: the home screen, Settings (and its passcode
// gate) and the browser stay out of reach until the passcode is typed.
ScreenTestCase {
    name: "LockBypass"

    property var app: null
    readonly property var forbidden: ["homeScreen", "settings", "passcodeGate", "safari"]

    function init() {
        resetSettings({ Setup_Complete: true, Use_Passcode: true, App_Passcode: "000000", Use_FaceID_TouchID: true })
        AppContext.biometrics.enrolled = true
        if (AppContext.biometrics.evaluating)
            AppContext.biometrics.answer(SimulatedBiometrics.Cancel)
    }

    // Every named item under the app, hidden ones too: a screen built off screen counts.
    function named(item, out) {
        const children = item.children || []
        for (let i = 0; i < children.length; ++i) {
            const child = children[i]
            if (child.objectName !== "")
                out.push(child)
            named(child, out)
        }
        return out
    }
    function reached() {
        return named(app, []).filter(i => forbidden.indexOf(i.objectName) >= 0).map(i => i.objectName)
    }
    function opaque(item) { for (let p = item; p; p = p.parent) if (p.opacity < 0.99) return false; return true }
    // Visible, named controls of the screen shown (not one fading), never the digit 0 (the
    // passcode's) nor a whole screen (a tap on its middle would land on some control at random).
    function controls() {
        return named(app, []).filter(i => i.visible && i.width > 0 && i.height > 0 && i.objectName !== "key0" && opaque(i)
                                     && i.width * i.height < app.width * app.height / 2
                                     && i.mapToItem(app, i.width / 2, i.height / 2).x >= 0
                                     && i.mapToItem(app, i.width / 2, i.height / 2).y < app.height)
    }

    function test_everyRouteWhileLocked() {
        app = launchShell()
        tryVerify(() => findChild(app, "lockContent") !== null, 2000, "no lock screen")
        let seen = {}
        for (let step = 0; step < 150; ++step) {
            // Whatever asks for biometrics is refused; the hardware Home and links come in between.
            if (AppContext.biometrics.evaluating)
                AppContext.biometrics.answer(step % 2 ? SimulatedBiometrics.NonMatching : SimulatedBiometrics.Cancel)
            if (step % 7 === 0)
                AppContext.homePressed()
            if (step % 11 === 0)
                AppContext.urlOpener.open(["http://127.0.0.1:1/", "tel:555", "kestrel://home", "itms-services://?action=download-manifest"][step % 4])
            // The control tapped least so far, so that the walk covers every screen it reaches.
            tryVerify(() => controls().length > 0, 2000, "nothing to tap at step " + step)
            const target = controls().reduce((best, c) => (seen[c.objectName] || 0) <= (seen[best.objectName] || 0) ? c : best)
            seen[target.objectName] = (seen[target.objectName] || 0) + 1
            mouseClick(target)
            wait(step % 5 === 0 ? 400 : 20) // let some transitions finish, catch others half way
            compare(reached(), [], "step " + step + " (" + target.objectName + ") left the lock")
        }
        // The walk did go through the lock content, the keypad and the camera.
        for (const name of ["pressHomeButton", "key5", "cancelDeleteButton", "cameraButton", "cameraMessage", "torchButton"])
            verify(seen[name], "the walk never tapped " + name)
        // The same check does see the home screen once the passcode is typed.
        if (AppContext.biometrics.evaluating)
            AppContext.biometrics.answer(SimulatedBiometrics.Cancel)
        TestSupport.setSetting("Use_FaceID_TouchID", false)
        app = launchShell()
        tryVerify(() => findChild(app, "pressHomeButton") !== null, 2000)
        mouseClick(findChild(app, "pressHomeButton"))
        tryVerify(() => findChild(app, "key0") !== null && findChild(app, "key0").visible, 2000)
        for (let i = 0; i < 6; ++i)
            mouseClick(findChild(app, "key0"))
        tryVerify(() => reached().indexOf("homeScreen") >= 0, 3000, "the passcode did not open the phone")
    }
}
