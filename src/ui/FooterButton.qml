import QtQuick
import Korrelang.Components

// A borderless footer button: symbol above a small label, tinted while the pointer is over it.
Item {
    id: root

    property string icon: ""
    property alias label: caption.text
    property real iconSize: 12
    property color hoverColor: Colors.accentBlue
    readonly property bool isHovered: hover.hovered

    signal clicked()

    implicitHeight: content.implicitHeight + 20

    Column {
        id: content
        anchors.centerIn: parent
        spacing: 4

        SymbolIcon {
            anchors.horizontalCenter: parent.horizontalCenter
            name: root.icon
            width: root.iconSize
            height: root.iconSize
            color: root.isHovered ? root.hoverColor : Colors.tertiaryText
        }

        Text {
            id: caption
            anchors.horizontalCenter: parent.horizontalCenter
            color: root.isHovered ? Colors.secondaryText : Colors.tertiaryText
            font.pixelSize: 9
            font.weight: FontWeights.light
        }
    }

    HoverHandler {
        id: hover
        cursorShape: Qt.PointingHandCursor
    }

    TapHandler {
        onTapped: root.clicked()
    }
}
