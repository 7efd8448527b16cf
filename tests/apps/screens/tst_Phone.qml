import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Phone
import Kestrel.Ui
import Kestrel.Testing

TestCase {
    id: testCase
    name: "Phone"
    when: windowShown
    width: 390
    height: 844
    visible: true

    Component {
        id: phoneComponent
        Phone { width: 390; height: 844 }
    }

    function open() {
        const phone = createTemporaryObject(phoneComponent, testCase)
        verify(phone, "the Phone app could not be created")
        return phone
    }

    function openKeypad() {
        const phone = open()
        mouseClick(findChild(phone, "keypadTab"))
        verify(findChild(phone, "keypadPage").visible, "the Keypad tab did not open")
        return phone
    }

    function type(phone, keys) {
        for (const k of keys) {
            const key = findChild(phone, "key_" + k)
            verify(key, "no key " + k)
            mouseClick(key)
        }
    }

    function numberText(phone) { return findChild(phone, "phoneNumber").text }

    // Every time the app opens: on Contacts, with nothing typed.
    function test_opensOnContactsWithAnEmptyNumber() {
        let phone = openKeypad()
        type(phone, ["7"])
        phone.destroy()
        phone = open()
        compare(phone.currentTab, 0)
        verify(findChild(phone, "contactsPage").visible, "Contacts must be the first tab shown")
        verify(!findChild(phone, "keypadPage").visible)
        compare(phone.keypad.PhoneNumber, "")
    }

    function test_keysTypeTheirMainCharacter_data() {
        return [
            { tag: "digits", keys: ["1", "2", "3", "4", "5", "6", "7", "8", "9"], number: "123456789" },
            { tag: "zero is zero, not plus", keys: ["0"], number: "0" },
            { tag: "star and hash", keys: ["*", "#", "0", "6", "#"], number: "*#06#" },
        ]
    }

    function test_keysTypeTheirMainCharacter(data) {
        const phone = openKeypad()
        type(phone, data.keys)
        compare(numberText(phone), data.number)
        compare(phone.keypad.PhoneNumber, data.number)
    }

    // Twelve 85 point keys in rows of three, "*" "0" "#" last.
    function test_keyFaces() {
        const phone = openKeypad()
        for (const k of "123456789*0#") {
            const key = findChild(phone, "key_" + k)
            compare(key.width, 85, k + " width")
            compare(key.height, 85, k + " height")
        }
        const star = findChild(phone, "key_*"), zero = findChild(phone, "key_0"), one = findChild(phone, "key_1")
        verify(star.mapToItem(phone, 0, 0).y > one.mapToItem(phone, 0, 0).y + 3 * 85, "* is not on the fourth row")
        compare(zero.mapToItem(phone, 0, 0).y, star.mapToItem(phone, 0, 0).y)
    }

    function test_callRowFollowsTheNumber() {
        const phone = openKeypad()
        const call = findChild(phone, "callButton")
        const del = findChild(phone, "deleteButton")
        compare(numberText(phone), " ", "an empty number keeps its line with a space")
        verify(!del.visible, "no delete button while nothing is typed")
        const idleX = call.mapToItem(phone, 0, 0).x

        type(phone, ["4"])
        compare(numberText(phone), "4", "the first key replaces the space")
        verify(del.visible)
        verify(call.mapToItem(phone, 0, 0).x !== idleX || del.width === 0, "the call row did not shift")

        mouseClick(del)
        compare(numberText(phone), " ")
        compare(phone.keypad.PhoneNumber, "")
        verify(!del.visible, "deleting the last character must remove the delete button")
        compare(call.mapToItem(phone, 0, 0).x, idleX)
    }

    function test_deleteRemovesTheLastCharacter() {
        const phone = openKeypad()
        type(phone, ["1", "*", "2", "#"])
        mouseClick(findChild(phone, "deleteButton"))
        compare(phone.keypad.PhoneNumber, "1*2")
        mouseClick(findChild(phone, "deleteButton"))
        compare(phone.keypad.PhoneNumber, "1*")
    }

    function test_callHandsTheNumberOver_data() {
        return [
            { tag: "digits", keys: ["5", "5", "5", "0", "1", "0", "0"] },
            { tag: "service code", keys: ["*", "#", "0", "6", "#"] },
            { tag: "many hashes", keys: ["1", "#", "#", "2"] },
        ]
    }

    function test_callHandsTheNumberOver(data) {
        const phone = openKeypad()
        type(phone, data.keys)
        const before = TestSupport.handOffs().length
        mouseClick(findChild(phone, "callButton"))
        const handOffs = TestSupport.handOffs()
        compare(handOffs.length, before + 1, "one hand-off per call")
        compare(handOffs[handOffs.length - 1], "tel:" + data.keys.join(""))
        compare(phone.keypad.PhoneNumber, data.keys.join(""), "calling keeps the number")
    }

    function test_emptyCallFaceDoesNothing() {
        const phone = openKeypad()
        const before = TestSupport.handOffs().length
        mouseClick(findChild(phone, "callButton"))
        compare(TestSupport.handOffs().length, before)
    }

    function test_switchingTabsKeepsTheNumber() {
        const phone = openKeypad()
        type(phone, ["9", "8"])
        mouseClick(findChild(phone, "contactsTab"))
        verify(findChild(phone, "contactsPage").visible)
        mouseClick(findChild(phone, "keypadTab"))
        compare(numberText(phone), "98")
    }

    function test_longNumbersHaveNoLimit() {
        const phone = openKeypad()
        const keys = []
        for (let i = 0; i < 40; ++i)
            keys.push(String(i % 10))
        type(phone, keys)
        compare(phone.keypad.PhoneNumber, keys.join(""))
        const shown = findChild(phone, "phoneNumber")
        verify(shown.width <= phone.width, "the number runs off the screen")
    }
}
