import QtQuick
import Korrelang.Components

// The quiet secondary button.
Item {
    id: root

    property alias text: label.text
    readonly property bool pressed: tap.pressed

    signal clicked()

    implicitWidth: label.implicitWidth + 24
    implicitHeight: label.implicitHeight + 12

    Rectangle {
        anchors.fill: parent
        radius: 4
        color: root.pressed ? Colors.pressedFill : Colors.idleFill
        border.width: 0.5
        border.color: Colors.outline
    }

    Text {
        id: label
        anchors.centerIn: parent
        color: Colors.secondaryText
        font.pixelSize: 11
        font.weight: FontWeights.light
    }

    TapHandler {
        id: tap
        onTapped: root.clicked()
    }
}
