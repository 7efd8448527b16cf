import QtQuick
import Kestrel.App
import "../"

// Not run by ctest: pictures of the Settings pages for a person to look at.
//   tst_settings_qml -input tests/apps/settings/look/LookAtSettings.qml   writes /tmp/kestrel-look-settings-*.png
// (tst_settings_touchid_qml with KESTREL_TEST_DEVICE=touchid for the short phone.)
SettingsDriver {
    name: "LookAtSettings"

    Component {
        id: generalStandIn
        QtObject {
            property var updates: [{ id: "a", version: "1.0", log: "Kestrel 1.0: the first public build." },
                                   { id: "b", version: "1.1", log: "Kestrel 1.1: smoother folder animations and fixes." }]
        }
    }

    function save(item, name) {
        waitForRendering(item)
        wait(400)
        grabImage(item).save("/tmp/kestrel-look-settings-" + AppContext.device.profile + "-" + name + ".png")
    }

    function test_look() {
        Qt.application.version = "1.0"
        const screen = open()
        save(screen, "list")
        findChild(screen, "settingsRows").contentY = 10000
        findChild(screen, "settingsRows").returnToBounds()
        save(screen, "list-end")
        findChild(screen, "settingsRows").contentY = 0
        tapRow(screen, "General")
        save(screen, "general")
        screen.stack.push("qrc:/Kestrel/Apps/Settings/SoftwareUpdate.qml", { general: createTemporaryObject(generalStandIn, screen) })
        settle(screen)
        save(screen, "update")
        back(screen)
        tapRow(screen, "Reset")
        tapRow(screen, "Reset Home Screen Layout")
        save(screen, "reset-sheet")
    }
}
