import QtQuick
import Korrelang.Components

// The pink share button: an optional symbol before its label.
Item {
    id: root

    property alias text: label.text
    property string symbol: ""
    readonly property bool pressed: tap.pressed

    signal clicked()

    implicitWidth: content.implicitWidth + 32
    implicitHeight: content.implicitHeight + 14
    opacity: root.pressed ? 0.8 : 1.0

    Rectangle {
        anchors.fill: parent
        radius: 4
        color: Colors.accentPink
    }

    Row {
        id: content
        anchors.centerIn: parent
        spacing: 5

        SymbolIcon {
            visible: root.symbol !== ""
            name: root.symbol
            width: 9
            height: 9
            color: "white"
            anchors.verticalCenter: parent.verticalCenter
        }

        Text {
            id: label
            color: "white"
            font.pixelSize: 11
            font.weight: Font.Medium
        }
    }

    TapHandler {
        id: tap
        onTapped: root.clicked()
    }
}
