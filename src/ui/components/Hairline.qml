import QtQuick
import Korrelang.Components
import QtQuick.Window

// A half-point separator across the width (or down the height when `vertical`); never thinner
// than one device pixel, or it would vanish on ordinary screens.
Rectangle {
    property bool vertical: false
    readonly property real thickness: Math.max(0.5, 1 / Screen.devicePixelRatio)

    implicitWidth: vertical ? thickness : 0
    implicitHeight: vertical ? 0 : thickness
    color: Colors.idleFill
}
