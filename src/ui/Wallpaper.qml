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
    sourceSize.width: width > 0 ? width : undefined
    sourceSize.height: height > 0 ? height : undefined
    asynchronous: true
    cache: false
    onStatusChanged: if (status === Image.Error && source != Assets.url("Wallpaper")) failedSource = source
}
