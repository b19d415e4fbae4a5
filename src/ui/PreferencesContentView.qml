import QtQuick
import Korrelang.Components
import Korrelang.Ui

// The preferences tab: keyboards, hotkey and blacklist on the left, the switches on the right,
// and a warning bar while the accessibility permission is missing.
Item {
    id: root

    required property PreferencesViewModel viewModel
    readonly property Settings settings: viewModel.settings

    Component.onCompleted: viewModel.setShown(true)
    Component.onDestruction: viewModel.setShown(false)

    // A click outside the recorder takes the focus from it, which ends recording.
    TapHandler {
        onTapped: (eventPoint) => {
            if (!recorder.contains(recorder.mapFromItem(root, eventPoint.position)))
                root.forceActiveFocus()
        }
    }

    TabHeader {
        id: header
        symbol: "gear"
        title: qsTr("PREFERENCES")
    }

    Flickable {
        id: scroll
        anchors.top: header.bottom
        anchors.bottom: bottomLine.top
        width: parent.width
        clip: true
        contentHeight: Math.max(left.height, right.height) + 48
        boundsBehavior: Flickable.StopAtBounds

        readonly property real columnWidth: (width - 80 - 28) / 2

        Column {
            id: left
            anchors.left: parent.left
            anchors.leftMargin: 40
            y: 24
            width: scroll.columnWidth
            spacing: 28

            Card {
                objectName: "keyboardsSection"
                width: parent.width
                title: qsTr("KEYBOARDS")

                Repeater {
                    model: root.viewModel.keyboards

                    MonochromeToggle {
                        id: keyboardToggle
                        objectName: "keyboardToggle"
                        required property string keyboardId
                        required property string name
                        required property bool selected
                        width: parent.width
                        text: name
                        textColor: Colors.secondaryText
                        isOn: selected
                        onToggled: (value) => root.viewModel.setKeyboardSelected(keyboardToggle.keyboardId, value)
                    }
                }

                Caption {
                    width: parent.width
                    text: qsTr("At least 2 keyboards required for conversion")
                }
            }

            Card {
                objectName: "hotkeySection"
                width: parent.width
                title: qsTr("HOTKEY")

                // The button goes below the field where its label is long.
                Flow {
                    width: parent.width
                    spacing: 8

                    Recorder {
                        id: recorder
                        objectName: "recorder"
                        control: root.viewModel.recorder
                    }

                    DashboardButton {
                        objectName: "resetButton"
                        text: qsTr("Reset")
                        onClicked: root.viewModel.resetHotkey()
                        PointerFeedback {}
                    }
                }

                Caption {
                    objectName: "hotkeyCaption"
                    anchors.left: parent.left
                    width: parent.width
                    visible: root.viewModel.hasHotkey
                    text: qsTr("Press this shortcut to convert text")
                }

                Row {
                    objectName: "hotkeyWarning"
                    anchors.left: parent.left
                    visible: !root.viewModel.hasHotkey
                    spacing: 4

                    SymbolIcon {
                        anchors.verticalCenter: parent.verticalCenter
                        width: 10
                        height: 10
                        name: "exclamationmark.triangle"
                        color: Colors.accentBlue
                    }

                    Text {
                        width: Math.min(implicitWidth, parent.parent.width - 14)
                        wrapMode: Text.WordWrap
                        text: qsTr("No hotkey set - app cannot convert text!")
                        color: Colors.accentBlue
                        font.pixelSize: 10
                        font.weight: Font.Medium
                    }
                }
            }

            Card {
                objectName: "blacklistSection"
                width: parent.width
                title: qsTr("APP BLACKLIST")

                Text {
                    objectName: "emptyBlacklist"
                    anchors.left: parent.left
                    visible: root.viewModel.blacklist.count === 0
                    text: qsTr("No apps blacklisted")
                    color: Colors.tertiaryText
                    font.pixelSize: 11
                    font.weight: FontWeights.light
                    font.italic: true
                }

                FlowLayout {
                    objectName: "chips"
                    visible: root.viewModel.blacklist.count > 0
                    width: parent.width

                    Repeater {
                        model: root.viewModel.blacklist

                        Rectangle {
                            id: chip
                            objectName: "chip"
                            required property string appId
                            required property string name
                            width: chipRow.implicitWidth + 16
                            height: chipRow.implicitHeight + 8
                            radius: 4
                            color: Colors.idleFill

                            Row {
                                id: chipRow
                                x: 8
                                y: 4
                                spacing: 4

                                Text {
                                    anchors.verticalCenter: parent.verticalCenter
                                    text: chip.name
                                    color: Colors.secondaryText
                                    font.pixelSize: 11
                                    font.weight: FontWeights.light
                                }

                                SymbolIcon {
                                    objectName: "chipRemove"
                                    anchors.verticalCenter: parent.verticalCenter
                                    width: 7
                                    height: 7
                                    name: "xmark.circle"
                                    color: Colors.tertiaryText

                                    PointerFeedback {}
                                    TapHandler {
                                        margin: 4
                                        // Qt 6.4's qmllint does not see the document's ids inside delegates.
                                        onTapped: root.viewModel.removeFromBlacklist(chip.appId) // qmllint disable unqualified
                                    }
                                }
                            }
                        }
                    }
                }

                Item {
                    id: blacklistButton
                    objectName: "blacklistButton"
                    anchors.left: parent.left
                    property bool buttonEnabled: root.viewModel.canBlacklist && !root.viewModel.needsShellExtension
                    readonly property string label: root.viewModel.currentAppName !== ""
                                                    ? qsTr("Blacklist %1").arg(root.viewModel.currentAppName)
                                                    : qsTr("Blacklist current app")
                    width: Math.min(parent.width, addRow.implicitWidth + 24)
                    height: addRow.implicitHeight + 12
                    opacity: buttonEnabled ? 1.0 : 0.5

                    Rectangle {
                        anchors.fill: parent
                        radius: 4
                        color: addTap.pressed ? Colors.pressedFill : Colors.idleFill
                        border.width: 0.5
                        border.color: Colors.outline
                    }

                    Row {
                        id: addRow
                        anchors.left: parent.left
                        anchors.leftMargin: 12
                        anchors.verticalCenter: parent.verticalCenter
                        spacing: 5

                        SymbolIcon {
                            anchors.verticalCenter: parent.verticalCenter
                            width: 11
                            height: 11
                            name: "plus.circle"
                            color: Colors.secondaryText
                        }

                        Text {
                            objectName: "blacklistButtonText"
                            anchors.verticalCenter: parent.verticalCenter
                            width: Math.min(implicitWidth, root.width)
                            elide: Text.ElideRight
                            text: blacklistButton.label
                            color: Colors.secondaryText
                            font.pixelSize: 11
                            font.weight: FontWeights.light
                        }
                    }

                    TapHandler {
                        id: addTap
                        enabled: parent.buttonEnabled
                        onTapped: root.viewModel.addToBlacklist()
                    }
                }

                Caption {
                    objectName: "blacklistNeedsExtension"
                    visible: root.viewModel.needsShellExtension
                    width: parent.width
                    text: qsTr("Turn on Korrelang's GNOME Shell extension (in the Extensions app) to use the blacklist")
                }
            }

            LanguageCard {
                objectName: "languageSection"
                width: parent.width
                viewModel: root.viewModel
            }
        }

        Column {
            id: right
            anchors.right: parent.right
            anchors.rightMargin: 40
            y: 24
            width: scroll.columnWidth

            AdvancedSettingsCard {
                objectName: "advancedSection"
                width: parent.width
                viewModel: root.viewModel
            }
        }
    }

    Hairline {
        id: bottomLine
        anchors.bottom: bottomBar.top
        width: parent.width
        visible: bottomBar.visible
    }

    Item {
        id: bottomBar
        objectName: "accessibilityBar"
        visible: !root.viewModel.hasAccessibility
        anchors.bottom: parent.bottom
        width: parent.width
        height: visible ? Math.max(grant.height, barText.height) + 24 : 0

        Row {
            anchors.left: parent.left
            anchors.leftMargin: 40
            anchors.verticalCenter: parent.verticalCenter
            spacing: 6

            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                width: 11
                height: 11
                name: "exclamationmark.triangle"
                color: Colors.accentBlue
            }

            Text {
                id: barText
                anchors.verticalCenter: parent.verticalCenter
                // Beside the button, on two lines where a language needs them.
                width: Math.min(implicitWidth, bottomBar.width - 80 - 12 - grant.width - 17)
                wrapMode: Text.WordWrap
                text: qsTr("Accessibility permission required for full functionality")
                color: Colors.secondaryText
                font.pixelSize: 11
                font.weight: FontWeights.light
            }
        }

        DashboardPrimaryButton {
            id: grant
            objectName: "grantButton"
            anchors.right: parent.right
            anchors.rightMargin: 40
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Grant")
            onClicked: root.viewModel.requestAccessibility()
            PointerFeedback {}
        }
    }
}
