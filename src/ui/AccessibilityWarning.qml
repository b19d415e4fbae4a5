import QtQuick
import Korrelang.Components
import Korrelang.Ui

// The popup's notice that conversions need the accessibility permission, with the way to grant
// it. Its texts keep the popup's translation context.
Rectangle {
    id: root

    required property MenuPopupViewModel viewModel

    height: warningColumn.height + 32
    color: Qt.rgba(Colors.accentBlue.r, Colors.accentBlue.g, Colors.accentBlue.b, 0.06)

    Column {
        id: warningColumn
        x: 40
        y: 16
        width: parent.width - 80
        spacing: 6

        Row {
            anchors.left: parent.left
            spacing: 6

            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                name: "exclamationmark.triangle"
                width: 14
                height: 14
                color: Colors.accentBlue
            }

            Text {
                anchors.verticalCenter: parent.verticalCenter
                width: Math.min(implicitWidth, warningColumn.width - 20)
                wrapMode: Text.WordWrap
                text: qsTranslate("MenuPopupView", "Accessibility Required")
                color: Colors.primaryText
                font.pixelSize: 12
                font.weight: Font.Medium
            }
        }

        Caption {
            width: parent.width
            text: qsTranslate("MenuPopupView", "Korrelang needs Accessibility permission to convert text.")
            color: Colors.secondaryText
        }

        Rectangle {
            objectName: "grantButton"
            anchors.left: parent.left
            width: grantText.implicitWidth + 32
            height: grantText.implicitHeight + 14
            radius: 4
            color: Colors.accentBlue

            Text {
                id: grantText
                anchors.centerIn: parent
                text: qsTranslate("MenuPopupView", "Grant Permission")
                color: "white"
                font.pixelSize: 11
                font.weight: Font.Medium
            }

            PointerFeedback {}
            TapHandler { onTapped: root.viewModel.grantPermission() }
        }
    }
}
