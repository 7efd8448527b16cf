import QtQuick

// Shows one item made from sourceComponent; when the component changes, the new item fades in
// over the old one, which fades out and is destroyed, so screens that can never be seen again
// do not stay alive.
Item {
    id: view

    property Component sourceComponent
    property int easingType: Easing.InOutQuad
    property int duration: 350
    readonly property Item currentItem: d.current

    // Replaces the current item by a new one of the same component, fading on the given curve.
    function replace(curve) {
        if (curve !== undefined)
            easingType = curve
        d.swap(d.ready)
    }

    onSourceComponentChanged: d.swap(d.ready)
    Component.onCompleted: {
        d.ready = true
        d.swap(false)
    }

    QtObject {
        id: d
        property Item current: null
        property bool ready: false

        function swap(animated) {
            if (!ready)
                return
            const old = current
            // Made at the view's size, so what it holds is laid out (and its pictures requested)
            // once at the right size rather than first at none.
            current = view.sourceComponent
                    ? view.sourceComponent.createObject(view, { opacity: animated ? 0 : 1,
                                                               width: view.width, height: view.height })
                    : null
            if (current)
                current.anchors.fill = view
            if (animated && current)
                fade.createObject(view, { target: current, from: 0, to: 1, retire: false }).start()
            if (old) {
                old.enabled = false // a screen on its way out takes no more input
                if (animated)
                    fade.createObject(view, { target: old, from: old.opacity, to: 0, retire: true }).start()
                else
                    old.destroy()
            }
        }
    }

    Component {
        id: fade
        NumberAnimation {
            property bool retire: false
            property: "opacity"
            duration: view.duration
            easing.type: view.easingType
            onFinished: {
                if (retire && target)
                    target.destroy()
                destroy()
            }
        }
    }
}
