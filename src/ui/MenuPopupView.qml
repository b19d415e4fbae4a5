import QtQuick
import Korrelang.Components
import Korrelang.Ui

// The dashboard in the tray popup: on/off, the hotkey, the permission warning, the statistics of
// the chosen period and the way to the preferences and out.
Rectangle {
    id: root

    required property MenuPopupViewModel viewModel
    property bool showPeriodPicker: false

    width: 340
    height: 420
    color: Colors.panelBackground

    Column {
        id: top
        width: parent.width

        Item {
            objectName: "header"
            width: parent.width
            height: 24 + 22 + 20

            Image {
                id: logo
                x: 40
                y: 24
                width: 22
                height: 22
                sourceSize.width: 44
                sourceSize.height: 44
                source: "app-logo.svg"
                opacity: 0.9
            }

            Text {
                anchors.left: logo.right
                anchors.leftMargin: 8
                anchors.verticalCenter: logo.verticalCenter
                text: "Korrelang"
                color: Colors.primaryText
                font.pixelSize: 13
            }

            MonochromeSwitch {
                objectName: "enabledSwitch"
                anchors.right: parent.right
                anchors.rightMargin: 40
                anchors.verticalCenter: logo.verticalCenter
                isOn: root.viewModel.isEnabled
                onToggled: (value) => root.viewModel.isEnabled = value
            }
        }

        Hairline { width: parent.width }

        Item {
            width: parent.width
            height: badge.height + 28

            Rectangle {
                id: badge
                objectName: "hotkeyBadge"
                x: 40
                y: 14
                width: badgeText.implicitWidth + 14
                height: badgeText.implicitHeight + 6
                radius: 4
                color: "transparent"
                border.width: 0.5
                border.color: Colors.placeholder

                Text {
                    id: badgeText
                    objectName: "hotkeyText"
                    anchors.centerIn: parent
                    readonly property bool hasShortcut: root.viewModel.shortcutText !== ""
                    text: hasShortcut ? root.viewModel.shortcutText : "No Hotkey"
                    color: Colors.secondaryText
                    font.pixelSize: 10
                    font.weight: hasShortcut ? Font.Light : Font.Medium
                }
            }

            Text {
                objectName: "stateText"
                anchors.right: parent.right
                anchors.rightMargin: 40
                anchors.verticalCenter: badge.verticalCenter
                text: root.viewModel.isEnabled ? "Active" : "Disabled"
                color: root.viewModel.isEnabled ? Colors.secondaryText : Colors.tertiaryText
                font.pixelSize: 10
                font.weight: Font.Light
            }
        }

        Hairline { width: parent.width }

        Rectangle {
            id: warning
            objectName: "accessibilityWarning"
            visible: !root.viewModel.hasAccessibility
            width: parent.width
            height: warningColumn.height + 32
            color: Qt.rgba(Colors.accentBlue.r, Colors.accentBlue.g, Colors.accentBlue.b, 0.06)

            Column {
                id: warningColumn
                x: 40
                y: 16
                width: parent.width - 80
                spacing: 6

                Row {
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
                        text: "Accessibility Required"
                        color: Colors.primaryText
                        font.pixelSize: 12
                        font.weight: Font.Medium
                    }
                }

                Text {
                    width: parent.width
                    wrapMode: Text.WordWrap
                    text: "Korrelang needs Accessibility permission to convert text."
                    color: Colors.secondaryText
                    font.pixelSize: 10
                    font.weight: Font.Light
                }

                Rectangle {
                    objectName: "grantButton"
                    width: grantText.implicitWidth + 32
                    height: grantText.implicitHeight + 14
                    radius: 4
                    color: Colors.accentBlue

                    Text {
                        id: grantText
                        anchors.centerIn: parent
                        text: "Grant Permission"
                        color: "white"
                        font.pixelSize: 11
                        font.weight: Font.Medium
                    }

                    PointerFeedback {}
                    TapHandler { onTapped: root.viewModel.grantPermission() }
                }
            }
        }

        Hairline {
            width: parent.width
            visible: warning.visible
        }
    }

    Flickable {
        id: statistics
        anchors.top: top.bottom
        anchors.bottom: footerLine.top
        width: parent.width
        clip: true
        contentHeight: statisticsColumn.height + 48
        interactive: contentHeight > height
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: statisticsColumn
            x: 40
            y: 24
            width: statistics.width - 80
            spacing: 10

            Item {
                id: periodControl
                objectName: "periodControl"
                width: periodRow.width
                height: periodRow.height

                Row {
                    id: periodRow
                    spacing: 4

                    Text {
                        text: root.viewModel.period
                        color: Colors.secondaryText
                        font.pixelSize: 10
                        font.weight: Font.Light
                    }

                    SymbolIcon {
                        anchors.verticalCenter: parent.verticalCenter
                        name: "chevron.down"
                        width: 7
                        height: 7
                        color: Colors.secondaryText
                    }
                }

                PointerFeedback {}
                TapHandler { onTapped: root.showPeriodPicker = !root.showPeriodPicker }
            }

            Item {
                objectName: "figures"
                width: parent.width
                height: Math.max(conversions.height, characters.height)

                Column {
                    id: conversions
                    anchors.left: parent.left
                    anchors.bottom: parent.bottom

                    Text {
                        text: "Conversions"
                        color: Colors.tertiaryText
                        font.pixelSize: 9
                        font.weight: Font.Medium
                    }

                    Text {
                        objectName: "conversionCount"
                        text: root.viewModel.conversionCount
                        color: Colors.primaryText
                        font.pixelSize: 42
                        font.weight: Font.Medium
                    }
                }

                Column {
                    objectName: "changeColumn"
                    visible: root.viewModel.changeVisible
                    anchors.horizontalCenter: parent.horizontalCenter
                    anchors.bottom: parent.bottom
                    anchors.bottomMargin: 8

                    Text {
                        objectName: "changeText"
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: root.viewModel.changeText
                        color: root.viewModel.changeIsRise ? Colors.secondaryText
                                                           : Colors.tertiaryText
                        font.pixelSize: 16
                    }

                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: "Change"
                        color: Colors.tertiaryText
                        font.pixelSize: 9
                        font.weight: Font.Medium
                    }
                }

                Column {
                    id: characters
                    anchors.right: parent.right
                    anchors.bottom: parent.bottom

                    Text {
                        anchors.right: parent.right
                        text: "Characters"
                        color: Colors.tertiaryText
                        font.pixelSize: 9
                        font.weight: Font.Medium
                    }

                    Text {
                        objectName: "charactersText"
                        anchors.right: parent.right
                        text: root.viewModel.charactersText
                        color: Colors.primaryText
                        font.pixelSize: 42
                        font.weight: Font.Medium
                    }
                }
            }

            Text {
                objectName: "hint"
                visible: text !== ""
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: root.viewModel.hintText
                color: Colors.secondaryText
                font.pixelSize: 11
                font.weight: Font.Light
            }

            Column {
                objectName: "directions"
                width: parent.width
                spacing: 4

                Repeater {
                    model: root.viewModel.directionGroups

                    delegate: Rectangle {
                        id: card
                        required property DirectionRowModel rows
                        objectName: "directionCard"
                        width: parent.width
                        height: rowList.height
                        radius: 4
                        color: Colors.selectedSegment

                        Column {
                            id: rowList
                            width: parent.width

                            Repeater {
                                model: card.rows

                                delegate: Item {
                                    id: row
                                    required property string label
                                    required property int current
                                    required property real fraction
                                    required property string changeText
                                    required property bool changeIsRise
                                    objectName: "directionRow"
                                    width: parent.width
                                    height: 12 + 16

                                    Text {
                                        id: directionLabel
                                        x: 10
                                        width: 52
                                        anchors.verticalCenter: parent.verticalCenter
                                        text: row.label
                                        color: Colors.secondaryText
                                        font.pixelSize: 11
                                    }

                                    Item {
                                        id: bar
                                        anchors.left: directionLabel.right
                                        anchors.right: count.left
                                        anchors.rightMargin: 8
                                        anchors.verticalCenter: parent.verticalCenter
                                        height: 12

                                        Rectangle {
                                            id: track
                                            width: parent.width
                                            height: 2
                                            radius: 1
                                            anchors.verticalCenter: parent.verticalCenter
                                            color: Colors.idleFill
                                        }

                                        Rectangle {
                                            objectName: "barFill"
                                            width: track.width * row.fraction
                                            height: 2
                                            radius: 1
                                            anchors.verticalCenter: parent.verticalCenter
                                            color: Colors.secondaryText
                                        }
                                    }

                                    Text {
                                        id: count
                                        anchors.right: change.left
                                        anchors.verticalCenter: parent.verticalCenter
                                        width: 32
                                        horizontalAlignment: Text.AlignRight
                                        text: row.current
                                        color: Colors.primaryText
                                        font.pixelSize: 12
                                        font.weight: Font.Light
                                    }

                                    Text {
                                        id: change
                                        anchors.right: parent.right
                                        anchors.rightMargin: 10
                                        anchors.verticalCenter: parent.verticalCenter
                                        width: 40
                                        horizontalAlignment: Text.AlignRight
                                        text: row.changeText
                                        color: row.changeIsRise ? Colors.secondaryText
                                                                : Colors.tertiaryText
                                        font.pixelSize: 9
                                    }
                                }
                            }
                        }
                    }
                }
            }
        }
    }

    Hairline {
        id: footerLine
        anchors.bottom: footer.top
        width: parent.width
    }

    Row {
        id: footer
        anchors.bottom: parent.bottom
        x: 40
        width: parent.width - 80
        topPadding: 6
        bottomPadding: 6

        FooterButton {
            objectName: "preferencesButton"
            width: footer.width / 2
            icon: "gear"
            label: "Preferences"
            iconSize: 12
            hoverColor: Colors.accentBlue
            onClicked: root.viewModel.openPreferences()
        }

        FooterButton {
            objectName: "quitButton"
            width: footer.width / 2
            icon: "xmark.circle"
            label: "Quit"
            iconSize: 12
            hoverColor: Colors.accentPink
            onClicked: root.viewModel.quit()
        }
    }

    // While the period list is open, a press anywhere else closes it.
    MouseArea {
        anchors.fill: parent
        visible: root.showPeriodPicker
        onPressed: root.showPeriodPicker = false
    }

    Rectangle {
        id: picker
        objectName: "periodPicker"
        visible: root.showPeriodPicker
        readonly property point anchorPoint: periodControl.mapToItem(root, 0, periodControl.height)
        x: anchorPoint.x
        y: anchorPoint.y + 6
        width: 150
        height: pickerColumn.height + 8
        radius: 6
        color: Colors.selectedSegment
        border.width: 0.5
        border.color: Colors.outline

        Column {
            id: pickerColumn
            y: 4
            width: parent.width

            Repeater {
                model: root.viewModel.periods

                delegate: Item {
                    id: entry
                    required property string modelData
                    required property int index
                    // Qt 6.4's qmllint does not see the document's ids inside delegates.
                    readonly property bool current: modelData === root.viewModel.period // qmllint disable unqualified
                    objectName: "period:" + modelData
                    width: parent.width
                    height: 28

                    Text {
                        x: 12
                        anchors.verticalCenter: parent.verticalCenter
                        text: entry.modelData
                        color: entry.current ? Colors.primaryText : Colors.secondaryText
                        font.pixelSize: 12
                    }

                    SymbolIcon {
                        visible: entry.current
                        anchors.right: parent.right
                        anchors.rightMargin: 12
                        anchors.verticalCenter: parent.verticalCenter
                        name: "checkmark"
                        width: 10
                        height: 10
                        color: Colors.accentBlue
                    }

                    Hairline {
                        visible: entry.index < root.viewModel.periods.length - 1 // qmllint disable unqualified
                        anchors.bottom: parent.bottom
                        x: 8
                        width: parent.width - 16
                    }

                    TapHandler {
                        onTapped: {
                            root.viewModel.period = entry.modelData // qmllint disable unqualified
                            root.showPeriodPicker = false // qmllint disable unqualified
                        }
                    }
                }
            }
        }
    }
}
