import QtQuick
import QtQuick.Controls
import Kestrel.App
import Kestrel.Apps.Phone

// The contacts tab: a plain list of "given family" under the title "Contacts". Every time the
// tab comes on screen it checks the permission and, when allowed, reads the book anew.
Item {
    id: page
    objectName: "contactsPage"

    // True while this tab is the one on screen.
    property bool shown: false
    readonly property alias model: contacts

    PhoneContactsModel {
        id: contacts
        store: AppContext.contacts
        onScreen: page.shown
    }

    Text {
        id: title
        objectName: "contactsTitle"
        x: 20
        y: 52
        text: "Contacts"
        color: "black"
        font.pixelSize: 34
        font.weight: Font.Bold
    }

    ListView {
        id: list
        objectName: "contactsList"
        anchors.top: title.bottom
        anchors.topMargin: 8
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        clip: true
        model: contacts
        boundsBehavior: Flickable.StopAtBounds

        delegate: Item {
            required property string firstName
            required property string lastName
            required property int index

            objectName: "contactRow_" + index
            width: ListView.view.width
            height: 44

            Text {
                objectName: "contactName"
                anchors.left: parent.left
                anchors.leftMargin: 20
                anchors.right: parent.right
                anchors.rightMargin: 20
                anchors.verticalCenter: parent.verticalCenter
                text: firstName + " " + lastName
                color: "black"
                font.pixelSize: 17
                elide: Text.ElideRight
            }

            Rectangle {
                anchors.left: parent.left
                anchors.leftMargin: 20
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                height: 0.5
                color: "#C6C6C8"
            }
        }
    }
}
