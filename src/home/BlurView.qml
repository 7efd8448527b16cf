import QtQuick
import Qt5Compat.GraphicalEffects

// A light material in one of two styles: 11 (ultra-thin) and 12 (thin). Given a backdrop, it
// shows that item blurred behind its tint; the backdrop must not contain this view.
Item {
    id: blur

    property int style: 12
    property real radius: 0
    property Item backdrop: null

    readonly property color tint: style === 11 ? Qt.rgba(0.96, 0.96, 0.97, 0.45) : Qt.rgba(0.96, 0.96, 0.97, 0.65)

    Loader {
        anchors.fill: parent
        active: blur.backdrop !== null && blur.visible && blur.opacity > 0 && blur.width > 0 && blur.height > 0
        sourceComponent: Item {
            ShaderEffectSource {
                id: snapshot
                anchors.fill: parent
                visible: false
                sourceItem: blur.backdrop
                sourceRect: blur.backdrop.mapFromItem(blur, 0, 0, blur.width, blur.height)
            }
            FastBlur {
                anchors.fill: parent
                source: snapshot
                radius: 40
                transparentBorder: false
                // FastBlur draws square corners: clip it to the view's own.
                layer.enabled: blur.radius > 0
                layer.effect: OpacityMask {
                    maskSource: Rectangle {
                        width: blur.width
                        height: blur.height
                        radius: blur.radius
                    }
                }
            }
        }
    }

    Rectangle {
        anchors.fill: parent
        radius: blur.radius
        color: blur.tint
    }
}
