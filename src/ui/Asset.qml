import QtQuick
import Kestrel.Ui

// A named picture of the bundled artwork ("SettingsIcon", "Earth"), drawn stretched to the
// item. An unknown name shows nothing. Vector pictures are rendered at the item's own size so
// they stay sharp however large they are drawn.
Image {
    property string name

    source: Assets.url(name)
    fillMode: Image.Stretch
    sourceSize.width: width > 0 ? width : undefined
    sourceSize.height: height > 0 ? height : undefined
    smooth: true
    mipmap: true
}
