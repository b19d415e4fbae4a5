import QtQuick
import Korrelang.Components

// A labelled switch: the label at the leading edge, the switch at the trailing edge. A label too
// long for one line wraps. While the toggle is disabled the switch is dimmed and a tap changes
// nothing.
Item {
    id: root

    property alias text: label.text
    property alias font: label.font
    property alias textColor: label.color
    property bool isOn: false

    signal toggled(bool isOn)

    implicitWidth: label.implicitWidth + 12 + control.implicitWidth
    implicitHeight: Math.max(label.implicitHeight, control.implicitHeight)

    Text {
        id: label
        anchors.left: parent.left
        anchors.right: control.left
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        wrapMode: Text.WordWrap
        color: Colors.primaryText
        font.pixelSize: 12
    }

    MonochromeSwitch {
        id: control
        objectName: "switch"
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        isOn: root.isOn
        opacity: root.enabled ? 1.0 : 0.35
        onToggled: (value) => {
            if (root.enabled)
                root.toggled(value)
        }
    }
}
