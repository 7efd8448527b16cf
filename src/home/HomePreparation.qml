import QtQuick
import Kestrel.Home

// Loaded in the background while the lock screen waits for "Press home to open": loading this
// compiles the home screen and every type it uses (the component below holds them), and the
// item renders the home screen's icon pictures.
HomePreparation {
    visible: false
    readonly property Component home: Component { HomeScreen {} }
}
