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
    LayoutMirroring.enabled: Languages.rightToLeft
    LayoutMirroring.childrenInherit: true

    // Figures in the locale's digits and separators; re-read when the language changes.
    function localeNumber(value: real): string {
        Qt.uiLanguage
        return Number(value).toLocaleString(Qt.locale(), 'f', 0)
    }

    Column {
        id: top
        width: parent.width

        Item {
            objectName: "header"
            width: parent.width
            height: 24 + 22 + 20

            Image {
                id: logo
                anchors.left: parent.left
                anchors.leftMargin: 40
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
                anchors.left: parent.left
                anchors.leftMargin: 40
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
                    text: hasShortcut ? root.viewModel.shortcutText : qsTr("No Hotkey")
                    color: Colors.secondaryText
                    font.pixelSize: 10
                    font.weight: hasShortcut ? FontWeights.light : Font.Medium
                }
            }

            Text {
                objectName: "stateText"
                anchors.right: parent.right
                anchors.rightMargin: 40
                anchors.verticalCenter: badge.verticalCenter
                text: root.viewModel.isEnabled ? qsTr("Active") : qsTr("Disabled")
                color: root.viewModel.isEnabled ? Colors.secondaryText : Colors.tertiaryText
                font.pixelSize: 10
                font.weight: FontWeights.light
            }
        }

        Hairline { width: parent.width }

        AccessibilityWarning {
            id: warning
            objectName: "accessibilityWarning"
            visible: !root.viewModel.hasAccessibility
            width: parent.width
            viewModel: root.viewModel
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
                anchors.left: parent.left
                width: periodRow.width
                height: periodRow.height

                Row {
                    id: periodRow
                    spacing: 4

                    Text {
                        text: picker.periodTitle(root.viewModel.period)
                        color: Colors.secondaryText
                        font.pixelSize: 10
                        font.weight: FontWeights.light
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
                id: figures
                objectName: "figures"
                width: parent.width
                height: Math.max(conversions.height, characters.height)
                // Each big figure keeps clear of the change in the middle, and shrinks when a
                // large count would not fit.
                readonly property real sideWidth: (width - (changeColumn.visible
                                                            ? changeColumn.width + 16 : 16)) / 2

                Column {
                    id: conversions
                    anchors.left: parent.left
                    anchors.bottom: parent.bottom

                    Text {
                        text: qsTr("Conversions")
                        color: Colors.tertiaryText
                        font.pixelSize: 9
                        font.weight: Font.Medium
                    }

                    Text {
                        objectName: "conversionCount"
                        width: Math.min(implicitWidth, figures.sideWidth)
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: 16
                        text: root.localeNumber(root.viewModel.conversionCount)
                        Accessible.name: qsTr("%n conversion(s)", "", root.viewModel.conversionCount)
                        color: Colors.primaryText
                        font.pixelSize: 42
                        font.weight: Font.Medium
                    }
                }

                Column {
                    id: changeColumn
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
                        text: qsTr("Change")
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
                        text: qsTr("Characters")
                        color: Colors.tertiaryText
                        font.pixelSize: 9
                        font.weight: Font.Medium
                    }

                    Text {
                        objectName: "charactersText"
                        anchors.right: parent.right
                        width: Math.min(implicitWidth, figures.sideWidth)
                        horizontalAlignment: Text.AlignRight
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: 16
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
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignHCenter
                text: root.viewModel.hintText
                color: Colors.secondaryText
                font.pixelSize: 11
                font.weight: FontWeights.light
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
                                        anchors.left: parent.left
                                        anchors.leftMargin: 10
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
                                        width: Math.max(32, implicitWidth)
                                        horizontalAlignment: Text.AlignRight
                                        text: root.localeNumber(row.current) // qmllint disable unqualified
                                        color: Colors.primaryText
                                        font.pixelSize: 12
                                        font.weight: FontWeights.light
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
            label: qsTr("Preferences")
            iconSize: 12
            hoverColor: Colors.accentBlue
            onClicked: root.viewModel.openPreferences()
        }

        FooterButton {
            objectName: "quitButton"
            width: footer.width / 2
            icon: "xmark.circle"
            label: qsTr("Quit")
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

    PeriodPicker {
        id: picker
        objectName: "periodPicker"
        visible: root.showPeriodPicker
        viewModel: root.viewModel
        opener: periodControl
        onPicked: root.showPeriodPicker = false
    }
}
