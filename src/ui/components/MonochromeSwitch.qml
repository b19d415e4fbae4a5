import QtQuick
import Korrelang.Components

// A 32 × 14 switch. `isOn` is the owner's binding: a tap does not write it but asks the owner
// through `toggled`, so the switch always shows the stored value.
Item {
    id: root

    property bool isOn: false

    signal toggled(bool isOn)

    implicitWidth: 32
    implicitHeight: 14

    Rectangle {
        objectName: "track"
        anchors.fill: parent
        radius: 7
        color: root.isOn ? Colors.accentBlue : Colors.switchTrackOff

        Behavior on color {
            ColorAnimation { duration: 150; easing.type: Easing.InOutQuad }
        }
    }

    Rectangle {
        // The knob's shadow: a slightly larger black disc just below it.
        x: knob.x - 0.5
        y: knob.y
        width: 13
        height: 13
        radius: 6.5
        color: "black"
        opacity: 0.4
    }

    Rectangle {
        id: knob
        objectName: "knob"
        width: 12
        height: 12
        radius: 6
        y: 1
        x: root.isOn ? root.width - width - 1 : 1
        color: Colors.primaryText

        Behavior on x {
            NumberAnimation { duration: 150; easing.type: Easing.InOutQuad }
        }
    }

    TapHandler {
        onTapped: root.toggled(!root.isOn)
    }
}
