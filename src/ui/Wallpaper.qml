import QtQuick
import Kestrel.App
import Kestrel.Ui

// A wallpaper drawn stretched to its whole area: the custom picture file when the custom flag
// is set and the file holds a picture, else the named built-in picture, else "Wallpaper".
Image {
    id: wallpaper

    property string name: "Wallpaper"
    property bool custom: false
    property string customFileName: ""

    readonly property url customSource: custom && customFileName !== ""
            ? (AppContext.wallpapers.revision, AppContext.wallpapers.customSource(customFileName)) : ""
    readonly property url namedSource: Assets.contains(name) ? Assets.url(name) : Assets.url("Wallpaper")

    source: customSource != "" ? customSource : namedSource
    fillMode: Image.Stretch
    sourceSize.width: width > 0 ? width : undefined
    sourceSize.height: height > 0 ? height : undefined
    asynchronous: true
    cache: false
    onStatusChanged: if (status === Image.Error && source !== Assets.url("Wallpaper")) source = Assets.url("Wallpaper")
}
