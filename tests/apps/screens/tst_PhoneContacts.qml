import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Phone
import Kestrel.Platform
import Kestrel.Testing

// The contacts tab against the simulator's own address book, permission prompt and menu.
ScreenTestCase {
    id: testCase
    name: "PhoneContacts"

    readonly property var store: AppContext.contacts
    readonly property var sorted: [" Achterberg", "Adaeze Okonkwo", "Bo Lindqvist", "Caetano Ferreira", "Emi Nakamura",
        "J\u00F6rg M\u00FCller-Wendt", "Larkspur Plumbing & Heating ", "Mara Quill",
        "Theodora Wilhelmina Ravensworth-Abernathy-Castellanos", "Yusuf Haddad", "mara Quill", "\u00C9abha \u00D3 Briain"]

    Component {
        id: phoneComponent
        Item {
            width: 390
            height: 844
            property alias phone: phone
            Phone { id: phone; anchors.fill: parent }
            ContactsPermissionPrompt { anchors.fill: parent; store: AppContext.contacts }
        }
    }

    function initTestCase() {
        compare(store.importContacts(Qt.resolvedUrl("../../../data/example-contacts.vcf")), "Imported 12 contacts")
    }

    function init() {
        if (store.promptShown)
            store.answerPrompt(false)
        store.reset()
    }

    function open() {
        const screen = createTemporaryObject(phoneComponent, testCase)
        verify(screen)
        return screen.phone
    }

    function rows(phone) {
        const list = findChild(phone, "contactsList")
        const names = []
        for (let i = 0; i < list.count; ++i) {
            list.positionViewAtIndex(i, ListView.Contain)
            const row = findChild(list, "contactRow_" + i)
            verify(row, "row " + i + " is not there")
            names.push(findChild(row, "contactName").text)
        }
        return names
    }

    // The rows of the example book; those added by other tests are left out.
    function exampleRows(phone) {
        tryVerify(() => findChild(phone, "contactsList").count >= 12, 2000, "the list was not filled")
        return rows(phone).filter(name => name !== "Nell Newcomer" && name !== "Fern Latecomer")
    }

    // The prompt shows only while a request waits and lets no touch through; the answer is kept.
    function test_promptAnswer_data() {
        return [
            { tag: "OK", button: "okButton", status: ContactsStore.Authorized },
            { tag: "Don\u2019t Allow", button: "dontAllowButton", status: ContactsStore.Denied },
        ]
    }

    function test_promptAnswer(data) {
        let phone = open()
        const prompt = findChild(phone.parent, "contactsPermissionPrompt")
        tryVerify(() => prompt.visible, 1000, "no prompt while the permission is not determined")
        compare(findChild(prompt, "promptTitle").text, "\u201CKestrel\u201D Would Like to Access Your Contacts")
        compare(findChild(prompt, "dontAllowButton").contentItem.text, "Don\u2019t Allow")
        compare(findChild(prompt, "okButton").contentItem.text, "OK")
        compare(rows(phone), [" "], "the blank row stays while the prompt waits")
        const tab = findChild(phone, "keypadTab")
        mouseClick(phone.parent, tab.mapToItem(phone.parent, 0, 0).x + 5, tab.mapToItem(phone.parent, 0, 0).y + 5)
        verify(!findChild(phone, "keypadPage").visible, "the prompt let a touch through")
        mouseClick(findChild(prompt, data.button))
        verify(!prompt.visible)
        compare(store.authorization, data.status)
        if (data.status === ContactsStore.Authorized) {
            compare(exampleRows(phone), sorted)
            // Every appearance of the tab reads the book again.
            const count = findChild(phone, "contactsList").count
            mouseClick(findChild(phone, "keypadTab"))
            compare(store.importContacts(Qt.resolvedUrl("../data/late-contact.vcf")), "Imported 1 contact")
            mouseClick(findChild(phone, "contactsTab"))
            tryCompare(findChild(phone, "contactsList"), "count", count + 1)
            compare(rows(phone)[5], "Fern Latecomer", "not sorted in after Emi Nakamura")
        } else {
            wait(100)
            compare(rows(phone), [" "])
        }
        phone = open()
        wait(100)
        verify(!store.promptShown, "asked again after an answer")
    }

    Component {
        id: menuComponent
        HardwareMenu {
            device: AppContext.device
            simulator: AppContext.simulator
            biometrics: AppContext.biometrics
            contacts: AppContext.contacts
        }
    }

    SignalSpy { id: notices; target: AppContext.simulator; signalName: "notice" }

    // The simulator's hardware menu sets the permission and imports a chosen file.
    function test_contactsMenu() {
        const menu = createTemporaryObject(menuComponent, testCase)
        let contacts = null
        for (let i = 0; i < menu.count; ++i)
            contacts = menu.menuAt(i).objectName === "contactsMenu" ? menu.menuAt(i) : contacts
        const item = name => {
            for (let i = 0; i < contacts.count; ++i)
                if (contacts.itemAt(i).objectName === name)
                    return contacts.itemAt(i)
            fail("no menu item " + name)
        }
        for (const [name, shown] of [["grantContactsItem", "Authorized"], ["denyContactsItem", "Denied"],
                                     ["resetContactsItem", "Not Determined"]]) {
            item(name).triggered()
            compare(item("contactsPermissionItem").text, "Permission: " + shown)
        }
        notices.clear()
        menu.importDialog.selectedFile = Qt.resolvedUrl("../data/one-more-contact.vcf")
        menu.importDialog.accepted()
        compare(notices.signalArguments.map(a => a[0]), ["Imported 1 contact"])
    }
}
