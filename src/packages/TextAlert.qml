import QtQml

// What a text-entry prompt says and does. `action` is called once when the prompt closes
// through its accept button (with the field's text, empty when nothing was typed) or its cancel
// button (with undefined). `cancel` and `secondaryActionTitle` left empty mean no such button.
QtObject {
    property string title
    property string message
    property string placeholder
    property string accept: "OK"
    property string cancel: ""
    property string secondaryActionTitle: ""
    // Input method hints of the field, as Qt.ImhUrlCharactersOnly for addresses.
    property int keyboardType: Qt.ImhNone
    property var action: function(text) {}
    property var secondaryAction: null
}
