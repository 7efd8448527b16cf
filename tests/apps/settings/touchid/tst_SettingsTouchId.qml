import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Settings
import Kestrel.Testing
import ".."

// Settings on the phone with a home button (375 x 667, no bottom inset): the Touch ID row, and
// every page fits the short screen.
SettingsDriver {
    name: "SettingsTouchId"

    function test_touchIdRowAndPagesFit() {
        if (AppContext.device.bottomInset !== 0)
            skip("run with KESTREL_TEST_DEVICE=touchid")
        const screen = open()
        const row = findRow(screen, "Touch ID & Passcode")
        compare(findChild(row, "tile").color, Qt.color("#FF2D55"), "pink tile on Touch ID")
        compare(findChild(row, "tileSymbol").name, "touchid")
        verify(labelsOf(screen.stack.currentItem).indexOf("Face ID & Passcode") < 0)
        compare(TestSupport.clippedControls(screen), [], "the list")
        tapRow(screen, "Touch ID & Passcode")
        compare(screen.stack.currentItem.screen, screen, "the gate gets the screen holding Password")
        back(screen)
        tapRow(screen, "General")
        compare(TestSupport.clippedControls(screen), [], "General")
        tapRow(screen, "Reset")
        tapRow(screen, "Reset Home Screen Layout")
        wait(400)
        compare(TestSupport.clippedControls(screen), [], "the reset sheet")
    }
}
