import QtQuick

// A round keypad key: a faint white circle of 85 points with the label over it. It does not
// change when pressed.
Item {
    id: key

    default property alias label: labelHolder.data
    signal clicked()

    implicitWidth: 85
    // The key's name (its digit) is set where the key is made.
    Accessible.role: Accessible.Button
    Accessible.onPressAction: key.clicked()
    implicitHeight: 85

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: "white"
        opacity: 0.2
    }
    Item {
        id: labelHolder
        anchors.centerIn: parent
        width: childrenRect.width
        height: childrenRect.height
    }
    MouseArea {
        anchors.fill: parent
        onClicked: key.clicked()
    }
}
