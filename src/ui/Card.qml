import QtQuick
import Korrelang.Components

// A titled section: the section title above a rounded card whose items stack top to bottom.
Column {
    id: root

    property string title: ""
    property real itemSpacing: 10
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
        height: items.height + 40
        radius: 4
        color: Colors.grey(0.12)
        border.width: 0.5
        border.color: Colors.outline

        Column {
            id: items
            x: 20
            y: 20
            width: parent.width - 40
            spacing: root.itemSpacing
        }
    }
}
