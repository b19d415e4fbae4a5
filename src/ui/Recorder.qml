import QtQuick
import Korrelang.Components
import Korrelang.Ui

// The shortcut recorder: shows the stored shortcut, records a new one while it has the focus,
// and clears it with the button inside the field.
Item {
    id: root

    // Null: the field then shows nothing and does not record.
    property RecorderControl control: null
    readonly property bool isRecording: control !== null && control.isRecording

    // Wide enough for the shortcut's words ("Strg+Umschalt+Leertaste") and the clear button.
    implicitWidth: Math.max(130, label.implicitWidth + 48)
    implicitHeight: 24

    Rectangle {
        objectName: "recorderBackground"
        anchors.fill: parent
        radius: 4
        color: Colors.fieldFill
        border.width: root.isRecording ? 1 : 0.5
        border.color: root.isRecording ? Colors.accentBlue : Colors.outline
    }

    Text {
        id: label
        objectName: "recorderText"
        anchors.centerIn: parent
        width: parent.width - (clearButton.visible ? 36 : 12)
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
        readonly property bool hasText: root.control !== null && root.control.text !== ""
        // The placeholder is worded in C++: read again when the language changes.
        text: { Qt.uiLanguage; return hasText ? root.control.text : (root.control ? root.control.placeholder : "") }
        color: hasText ? Colors.primaryText : Colors.placeholder
        font.pixelSize: 12
        font.weight: FontWeights.light
    }

    SymbolIcon {
        id: clearButton
        objectName: "recorderClear"
        visible: root.control !== null && root.control.text !== ""
        anchors.right: parent.right
        anchors.rightMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        width: 11
        height: 11
        name: "xmark.circle"
        color: Colors.tertiaryText

        TapHandler {
            onTapped: {
                field.forceActiveFocus()
                root.control.clear()
            }
        }
    }

    RecorderField {
        id: field
        objectName: "recorderField"
        anchors.fill: parent
        control: root.control
    }

    TapHandler {
        onTapped: (eventPoint) => {
            if (!clearButton.visible || !clearButton.contains(clearButton.mapFromItem(root, eventPoint.position)))
                field.forceActiveFocus()
        }
    }
}
