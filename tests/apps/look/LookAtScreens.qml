import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Calculator
import Kestrel.Apps.Phone
import Kestrel.Platform

// Not run by ctest: pictures of the screens for a person to look at.
//   tst_apps_qml -input tests/apps/look/LookAtScreens.qml   writes /tmp/kestrel-look-*.png
TestCase {
    id: testCase
    name: "Look"
    when: windowShown
    width: 390
    height: 844
    visible: true

    Component { id: calculatorComponent; Calculator { width: 390; height: 844 } }
    Component { id: phoneComponent; Phone { width: 390; height: 844 } }
    Component {
        id: promptComponent
        Item {
            width: 390; height: 844
            Phone { anchors.fill: parent }
            ContactsPermissionPrompt { anchors.fill: parent; store: AppContext.contacts }
        }
    }

    function save(item, name) {
        waitForRendering(item)
        wait(50)
        grabImage(item).save("/tmp/kestrel-look-" + name + ".png")
    }

    function test_calculator() {
        const calculator = createTemporaryObject(calculatorComponent, testCase)
        for (const k of ["1", "2", "3", "4", "5", "\u00D7", "6"])
            mouseClick(findChild(calculator, "key_" + k))
        save(calculator, "calculator")
    }

    function test_keypad() {
        const phone = createTemporaryObject(phoneComponent, testCase)
        mouseClick(findChild(phone, "keypadTab"))
        for (const k of ["5", "5", "5", "0", "1", "*", "#"])
            mouseClick(findChild(phone, "key_" + k))
        save(phone, "keypad")
        mouseClick(findChild(phone, "deleteButton"))
        for (let i = 0; i < 6; ++i)
            mouseClick(findChild(phone, "deleteButton"))
        save(phone, "keypad-empty")
    }

    function test_contacts() {
        AppContext.contacts.importContacts(Qt.resolvedUrl("../../../data/example-contacts.vcf"))
        AppContext.contacts.grant()
        const phone = createTemporaryObject(phoneComponent, testCase)
        tryVerify(() => findChild(phone, "contactsList").count > 1)
        save(phone, "contacts")
    }

    function test_prompt() {
        AppContext.contacts.reset()
        const screen = createTemporaryObject(promptComponent, testCase)
        tryVerify(() => AppContext.contacts.promptShown)
        save(screen, "prompt")
        AppContext.contacts.answerPrompt(false)
    }
}
