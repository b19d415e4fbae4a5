import QtQuick
import Korrelang.Components

// The title of a block that opens and closes: the chevron turns to point down while it is open.
Item {
    id: root

    property string title: ""
    property bool isExpanded: false

    signal toggled()

    implicitWidth: row.implicitWidth
    implicitHeight: row.implicitHeight

    Row {
        id: row
        spacing: 6

        SectionTitle {
            anchors.verticalCenter: parent.verticalCenter
            title: root.title
        }

        SymbolIcon {
            objectName: "chevron"
            anchors.verticalCenter: parent.verticalCenter
            width: 9
            height: 9
            name: "chevron.right"
            color: Colors.tertiaryText
            rotation: root.isExpanded ? 90 : 0

            Behavior on rotation { NumberAnimation { duration: 200; easing.type: Easing.InOutQuad } }
        }
    }

    PointerFeedback {}
    TapHandler { onTapped: root.toggled() }
}
