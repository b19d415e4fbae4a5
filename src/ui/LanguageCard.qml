import QtQuick
import Korrelang.Components
import Korrelang.Ui

// The choice of the interface language: the desktop's, or one named in itself.
// Its texts keep the preferences' translation context.
Card {
    id: root

    required property PreferencesViewModel viewModel
    readonly property Settings settings: viewModel.settings

    title: qsTranslate("PreferencesContentView", "LANGUAGE")
    itemSpacing: 2

    property bool isOpen: false
    // "System default" follows the desktop; the others are named in themselves.
    readonly property var choices: {
        const list = [{ code: "", name: qsTranslate("PreferencesContentView", "System default") }]
        for (let i = 0; i < Languages.choices.length; ++i)
            list.push(Languages.choices[i])
        return list
    }
    readonly property string currentName: {
        for (const entry of choices) {
            if (entry.code === root.settings.language)
                return entry.name
        }
        return choices[0].name
    }

    Item {
        objectName: "languageButton"
        width: parent.width
        height: 22

        Text {
            objectName: "languageName"
            anchors.left: parent.left
            anchors.right: languageChevron.left
            anchors.rightMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            horizontalAlignment: Text.AlignLeft
            elide: Text.ElideRight
            text: root.currentName
            color: Colors.primaryText
            font.pixelSize: 12
        }

        SymbolIcon {
            id: languageChevron
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            width: 8
            height: 8
            name: "chevron.down"
            color: Colors.secondaryText
            rotation: root.isOpen ? 180 : 0
        }

        PointerFeedback {}
        TapHandler { onTapped: root.isOpen = !root.isOpen }
    }

    Repeater {
        model: root.isOpen ? root.choices : []

        Item {
            id: choice
            objectName: "languageChoice"
            required property var modelData
            property string code: choice.modelData.code
            readonly property bool current: choice.modelData.code === root.settings.language
            width: parent.width
            height: 24

            Text {
                anchors.left: parent.left
                anchors.leftMargin: 8
                anchors.right: choiceCheck.left
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                horizontalAlignment: Text.AlignLeft
                elide: Text.ElideRight
                // Each name is in its own script: the regular weight has them all.
                text: choice.modelData.name
                color: choice.current ? Colors.primaryText : Colors.secondaryText
                font.pixelSize: 12
            }

            SymbolIcon {
                id: choiceCheck
                visible: choice.current
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                width: 10
                height: 10
                name: "checkmark"
                color: Colors.accentBlue
            }

            PointerFeedback {}
            TapHandler {
                onTapped: {
                    root.isOpen = false // qmllint disable unqualified
                    root.settings.language = choice.code
                }
            }
        }
    }
}
