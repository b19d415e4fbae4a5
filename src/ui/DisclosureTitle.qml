import QtQuick
import Korrelang.Components

// The title of a block that opens and closes: the chevron points along the reading direction
// and turns to point down while the block is open.
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
            name: root.LayoutMirroring.enabled ? "chevron.left" : "chevron.right"
            color: Colors.tertiaryText
            rotation: root.isExpanded ? (root.LayoutMirroring.enabled ? -90 : 90) : 0

            Behavior on rotation { NumberAnimation { duration: 200; easing.type: Easing.InOutQuad } }
        }
    }

    PointerFeedback {}
    TapHandler { onTapped: root.toggled() }
}
