import QtQuick
import Korrelang.Components

// A settings tab's title: its symbol and name in small capitals, a hairline below.
Column {
    id: root

    property string symbol: ""
    property string title: ""

    width: parent.width

    Row {
        anchors.left: parent.left
        anchors.leftMargin: 40
        height: 14 + 40
        spacing: 8

        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            width: 14
            height: 14
            name: root.symbol
            color: Colors.secondaryText
        }

        SectionTitle {
            anchors.verticalCenter: parent.verticalCenter
            title: root.title
        }
    }

    Hairline { width: parent.width }
}
