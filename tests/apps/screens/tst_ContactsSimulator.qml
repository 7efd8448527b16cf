import QtQuick
import QtTest
import Kestrel.App
import Kestrel.Apps.Phone
import Kestrel.Platform
import Kestrel.Testing

// The simulator's side of contacts: the system prompt and the hardware menu's Contacts menu.
TestCase {
    id: testCase
    name: "ContactsSimulator"
    when: windowShown
    width: 390
    height: 844
    visible: true

    readonly property var store: AppContext.contacts

    Component {
        id: promptComponent
        Item {
            width: 390
            height: 844
            property int tapsBelow: 0
            MouseArea { anchors.fill: parent; onClicked: parent.tapsBelow++ }
            ContactsPermissionPrompt { objectName: "prompt"; anchors.fill: parent; store: AppContext.contacts }
            PhoneContactsModel { id: model; objectName: "model"; store: AppContext.contacts }
            function request() { model.requestContactsAccess() }
        }
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

    SignalSpy {
        id: notices
        target: AppContext.simulator
        signalName: "notice"
    }

    function init() {
        if (store.promptShown)
            store.answerPrompt(false)
        store.reset()
        notices.clear()
    }

    function test_promptShowsOnlyWhileARequestWaits_data() {
        return [
            { tag: "OK", button: "okButton", status: ContactsStore.Authorized },
            { tag: "Don\u2019t Allow", button: "dontAllowButton", status: ContactsStore.Denied },
        ]
    }

    function test_promptShowsOnlyWhileARequestWaits(data) {
        const screen = createTemporaryObject(promptComponent, testCase)
        const prompt = findChild(screen, "prompt")
        verify(!prompt.visible)
        screen.request()
        verify(prompt.visible)
        compare(findChild(prompt, "promptTitle").text, "\u201CKestrel\u201D Would Like to Access Your Contacts")
        compare(findChild(prompt, "dontAllowButton").contentItem.text, "Don\u2019t Allow")
        compare(findChild(prompt, "okButton").contentItem.text, "OK")
        mouseClick(prompt, 20, 20)
        compare(screen.tapsBelow, 0, "the prompt let a touch through")
        mouseClick(findChild(prompt, data.button))
        verify(!prompt.visible)
        compare(store.authorization, data.status)
    }

    function menuTitled(menu, title) {
        for (let i = 0; i < menu.count; ++i)
            if (menu.menuAt(i).title === title)
                return menu.menuAt(i)
        return null
    }

    function menuItem(menu, name) {
        const contacts = menuTitled(menu, "Contacts")
        verify(contacts, "no Contacts menu")
        for (let i = 0; i < contacts.count; ++i)
            if (contacts.itemAt(i).objectName === name)
                return contacts.itemAt(i)
        fail("no menu item " + name)
    }

    function test_menuSetsThePermission() {
        const menu = createTemporaryObject(menuComponent, testCase)
        verify(menuTitled(menu, "Hardware"), "the existing Hardware menu must stay")
        const status = menuItem(menu, "contactsPermissionItem")
        compare(status.text, "Permission: Not Determined")
        menuItem(menu, "grantContactsItem").triggered()
        compare(store.authorization, ContactsStore.Authorized)
        compare(status.text, "Permission: Authorized")
        menuItem(menu, "denyContactsItem").triggered()
        compare(store.authorization, ContactsStore.Denied)
        menuItem(menu, "resetContactsItem").triggered()
        compare(store.authorization, ContactsStore.NotDetermined)
    }

    function test_importChoosesAFileAndSaysWhatHappened() {
        const menu = createTemporaryObject(menuComponent, testCase)
        compare(menuItem(menu, "importContactsItem").text, "Import Contacts\u2026")
        verify(menu.importDialog.nameFilters[0].indexOf("*.vcf") >= 0)
        menu.importDialog.selectedFile = Qt.resolvedUrl("../data/one-more-contact.vcf")
        menu.importDialog.accepted()
        compare(notices.count, 1)
        compare(notices.signalArguments[0][0], "Imported 1 contact")
        menu.importDialog.accepted()
        compare(notices.signalArguments[1][0], "Every contact in one-more-contact.vcf is already present")
    }
}
