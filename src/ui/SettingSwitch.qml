import QtQuick
import Korrelang.Components

// A switch across the Advanced card: its label and switch on one line, an optional caption below.
Column {
    id: root

    property alias text: toggle.text
    property alias isOn: toggle.isOn
    property string caption: ""

    signal toggled(bool value)

    width: parent ? parent.width : 0
    spacing: 4

    MonochromeToggle {
        id: toggle
        objectName: "toggle"
        width: root.width
        enabled: root.enabled
        textColor: Colors.primaryText
        onToggled: (value) => root.toggled(value)
    }

    Caption {
        anchors.left: parent.left
        visible: root.caption !== ""
        width: root.width - 44
        text: root.caption
    }
}
