import QtQuick
import Korrelang.Components

// A titled section: the section title above a rounded card whose items stack top to bottom.
Column {
    id: root

    property string title: ""
    property real itemSpacing: 10
    property real cardPadding: 20
    default property alias content: items.data

    spacing: 8

    SectionTitle {
        anchors.left: parent.left
        title: root.title
    }

    Rectangle {
        objectName: "card"
        clip: true
        width: root.width
        height: items.height + 2 * root.cardPadding
        radius: 4
        color: Colors.grey(0.12)
        border.width: 0.5
        border.color: Colors.outline

        Column {
            id: items
            x: root.cardPadding
            y: root.cardPadding
            width: parent.width - 2 * root.cardPadding
            spacing: root.itemSpacing
        }
    }
}
