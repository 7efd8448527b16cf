import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Phone
import Kestrel.Ui
import Kestrel.Testing

ScreenTestCase {
    id: testCase
    name: "Phone"

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
        for (const k of keys)
            mouseClick(find(phone, "key_" + k))
    }

    function numberText(phone) { return findChild(phone, "phoneNumber").text }

    // Every time the app opens: on Contacts, with nothing typed.
    function test_opensOnContactsWithAnEmptyNumber() {
        let phone = openKeypad()
        type(phone, "7")
        phone.destroy()
        phone = open()
        compare([phone.currentTab, findChild(phone, "contactsPage").visible, findChild(phone, "keypadPage").visible,
                 phone.keypad.PhoneNumber], [0, true, false, ""], "Contacts first, nothing typed")
    }

    // Each key types its main character (never its letters, nor "+" for 0), with no length limit,
    // and Call hands the number over once and keeps it.
    function test_typeAndCall_data() {
        return [
            { tag: "zero is zero, not plus", keys: "0" },
            { tag: "every key, forty long", keys: "123456789*0#".repeat(3) + "1234" },
        ]
    }

    function test_typeAndCall(data) {
        const phone = openKeypad()
        type(phone, data.keys)
        compare([numberText(phone), phone.keypad.PhoneNumber], [data.keys, data.keys])
        verify(findChild(phone, "phoneNumber").width <= phone.width, "the number runs off the screen")
        const before = TestSupport.handOffs().length
        mouseClick(findChild(phone, "callButton"))
        compare(TestSupport.handOffs().slice(before), ["tel:" + data.keys])
        compare(phone.keypad.PhoneNumber, data.keys, "calling keeps the number")
    }

    // Empty: a space holds the line, no delete button, Call does nothing. Delete takes the last
    // character; the call row shifts with the delete button and back.
    function test_deleteAndTheCallRow() {
        const phone = openKeypad()
        const call = findChild(phone, "callButton")
        const del = findChild(phone, "deleteButton")
        const idleX = call.mapToItem(phone, 0, 0).x
        const before = TestSupport.handOffs().length
        mouseClick(call)
        compare(TestSupport.handOffs().length, before)
        compare(numberText(phone), " ")
        verify(!del.visible, "no delete button while nothing is typed")
        type(phone, "1*2#")
        verify(del.visible)
        verify(call.mapToItem(phone, 0, 0).x !== idleX || del.width === 0, "the call row did not shift")
        for (const left of ["1*2", "1*", "1", ""]) {
            mouseClick(del)
            compare(phone.keypad.PhoneNumber, left)
        }
        compare(numberText(phone), " ")
        verify(!del.visible, "deleting the last character must remove the delete button")
        compare(call.mapToItem(phone, 0, 0).x, idleX)
        type(phone, "98")
        mouseClick(findChild(phone, "contactsTab"))
        verify(findChild(phone, "contactsPage").visible)
        mouseClick(findChild(phone, "keypadTab"))
        compare(numberText(phone), "98", "switching tabs keeps the number")
    }
}
