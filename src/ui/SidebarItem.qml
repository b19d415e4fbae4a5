import QtQuick
import Korrelang.Components

// One tab of the settings sidebar: its symbol and title, tinted blue while selected.
Item {
    id: root

    property string title: ""
    property string symbol: ""
    property bool isSelected: false
    readonly property bool isHovered: hover.hovered

    signal activated()

    implicitHeight: row.implicitHeight + 16

    Rectangle {
        objectName: "fill"
        anchors.fill: parent
        radius: 4
        color: root.isSelected ? Qt.rgba(Colors.accentBlue.r, Colors.accentBlue.g,
                                         Colors.accentBlue.b, 0.1)
                               : root.isHovered ? Colors.selectedSegment : "transparent"
    }

    Row {
        id: row
        anchors.left: parent.left
        anchors.leftMargin: 16
        anchors.verticalCenter: parent.verticalCenter
        spacing: 6

        Item {
            width: 18
            height: 14
            anchors.verticalCenter: parent.verticalCenter

            SymbolIcon {
                objectName: "symbol"
                anchors.centerIn: parent
                width: 12
                height: 12
                name: root.symbol
                color: root.isSelected ? Colors.accentBlue : Colors.tertiaryText
            }
        }

        Text {
            objectName: "title"
            anchors.verticalCenter: parent.verticalCenter
            text: root.title
            color: root.isSelected ? Colors.primaryText : Colors.secondaryText
            font.pixelSize: 12
            font.weight: root.isSelected ? Font.Medium : FontWeights.light
        }
    }

    HoverHandler {
        id: hover
        cursorShape: Qt.PointingHandCursor
    }

    TapHandler {
        onTapped: root.activated()
    }
}
