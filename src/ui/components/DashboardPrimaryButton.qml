import QtQuick
import Korrelang.Components

// The blue call to action; grey and inert while `isEnabled` is false.
Item {
    id: root

    property alias text: label.text
    property bool isEnabled: true
    readonly property bool pressed: tap.pressed

    signal clicked()

    implicitWidth: label.implicitWidth + 32
    implicitHeight: label.implicitHeight + 14
    opacity: root.pressed ? 0.8 : 1.0

    Rectangle {
        anchors.fill: parent
        radius: 4
        color: root.isEnabled ? Colors.accentBlue : Colors.idleFill
    }

    Text {
        id: label
        anchors.centerIn: parent
        color: root.isEnabled ? Colors.fieldFill : Colors.tertiaryText
        font.pixelSize: 11
        font.weight: Font.Medium
    }

    TapHandler {
        id: tap
        onTapped: {
            if (root.isEnabled)
                root.clicked()
        }
    }
}
