import QtQuick
import Kestrel.App
import Kestrel.Ui

// A wallpaper drawn stretched to its whole area: with the custom flag set, the custom picture
// file, or "Wallpaper" when the file holds none; otherwise the named built-in picture, or
// "Wallpaper" for a name without one.
Image {
    id: wallpaper

    property string name: "Wallpaper"
    property bool custom: false
    property string customFileName: ""

    readonly property url customSource: custom && customFileName !== ""
            ? (AppContext.wallpapers.revision, AppContext.wallpapers.customSource(customFileName)) : ""
    readonly property url namedSource: Assets.contains(name) ? Assets.url(name) : Assets.url("Wallpaper")

    // A custom choice whose file holds no picture shows "Wallpaper", not the named picture.
    readonly property url chosenSource: custom ? (customSource != "" ? customSource : Assets.url("Wallpaper")) : namedSource
    // The address that last failed to load. Remembering it (instead of assigning the fallback to
    // source) keeps the binding, so a screen that stays alive follows later choices.
    property url failedSource: ""

    source: chosenSource != failedSource ? chosenSource : Assets.url("Wallpaper")
    fillMode: Image.Stretch
    // Before it is laid out it has no size yet: asking for the screen's size then keeps the
    // picture from being decoded at full size first and again once the size arrives.
    sourceSize.width: width > 0 ? width : AppContext.device.screenWidth
    sourceSize.height: height > 0 ? height : AppContext.device.screenHeight
    asynchronous: true
    // Bundled pictures never change, so screens showing the same one share its decoded image
    // (the home screen opens on the lock screen's without decoding it again). A custom file
    // may be replaced under the same address, so it is read afresh.
    cache: String(source).startsWith("qrc:")
    onStatusChanged: if (status === Image.Error && source != Assets.url("Wallpaper")) failedSource = source
}
