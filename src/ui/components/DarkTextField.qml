import QtQuick
import Korrelang.Components

// A single-line field on the darkest fill, with a placeholder while it is empty.
Item {
    id: root

    property alias text: input.text
    property string placeholder: ""
    property alias input: input

    implicitWidth: 200
    implicitHeight: input.implicitHeight + 18

    Rectangle {
        anchors.fill: parent
        radius: 2
        color: Colors.fieldFill
        border.width: 0.5
        border.color: Colors.outline
    }

    TextInput {
        id: input
        anchors.fill: parent
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        verticalAlignment: TextInput.AlignVCenter
        clip: true
        color: Colors.primaryText
        selectionColor: Colors.accentBlue
        selectedTextColor: Colors.fieldFill
        font.pixelSize: 12
        font.weight: FontWeights.light
    }

    Text {
        anchors.fill: input
        verticalAlignment: Text.AlignVCenter
        visible: input.text.length === 0
        text: root.placeholder
        color: Colors.placeholder
        font: input.font
        elide: Text.ElideRight
    }
}
