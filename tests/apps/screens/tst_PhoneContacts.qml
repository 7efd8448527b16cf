import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Phone
import Kestrel.Platform
import Kestrel.Testing

// The contacts tab against the simulator's own address book and permission.
TestCase {
    id: testCase
    name: "PhoneContacts"
    when: windowShown
    width: 390
    height: 844
    visible: true

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

    // The rows of the example book; the one added by another test is left out.
    function exampleRows(phone) {
        tryVerify(() => findChild(phone, "contactsList").count >= 12, 2000, "the list was not filled")
        return rows(phone).filter(name => name !== "Nell Newcomer")
    }

    function test_authorizedListsTheBookSortedByGivenName() {
        store.grant()
        const phone = open()
        compare(exampleRows(phone), sorted)
        compare(findChild(phone, "contactsTitle").text, "Contacts")
    }

    function test_deniedShowsOneBlankRowAndNeverAsks() {
        store.deny()
        const phone = open()
        wait(100)
        verify(!store.promptShown, "a denied permission must not prompt")
        compare(rows(phone), [" "])
    }

    function test_firstRequestAsksAndOkFillsTheList() {
        const phone = open()
        tryVerify(() => store.promptShown, 1000, "no prompt while the permission is not determined")
        compare(rows(phone), [" "], "the blank row stays while the prompt waits")
        mouseClick(findChild(phone.parent, "okButton"))
        compare(exampleRows(phone), sorted)
        compare(store.authorization, ContactsStore.Authorized)
    }

    function test_dontAllowKeepsTheBlankRowAndIsRemembered() {
        let phone = open()
        tryVerify(() => store.promptShown)
        mouseClick(findChild(phone.parent, "dontAllowButton"))
        verify(!store.promptShown)
        wait(100)
        compare(rows(phone), [" "])
        compare(store.authorization, ContactsStore.Denied)
        phone = open()
        wait(100)
        verify(!store.promptShown, "asked again after Don\u2019t Allow")
    }

    function test_everyAppearanceOfTheTabReadsAgain() {
        store.grant()
        const phone = open()
        compare(exampleRows(phone), sorted)
        verify(rows(phone).indexOf("Nell Newcomer") < 0)
        mouseClick(findChild(phone, "keypadTab"))
        compare(store.importContacts(Qt.resolvedUrl("../data/one-more-contact.vcf")), "Imported 1 contact")
        mouseClick(findChild(phone, "contactsTab"))
        tryCompare(findChild(phone, "contactsList"), "count", 13)
        verify(rows(phone).indexOf("Nell Newcomer") === 8, "the new contact is not in its sorted place")
    }
}
