import QtQuick
import Korrelang.Components
import Korrelang.Ui

// The welcome window: choose at least two keyboards, accept the terms, continue.
Rectangle {
    id: root

    required property FirstLaunchViewModel viewModel

    width: 400
    height: 380
    color: Colors.windowBackground
    LayoutMirroring.enabled: Languages.rightToLeft
    LayoutMirroring.childrenInherit: true

    Column {
        id: header
        width: parent.width
        topPadding: 28
        bottomPadding: 20
        spacing: 6

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Welcome to Korrelang")
            color: Colors.primaryText
            font.pixelSize: 16
            font.weight: Font.Medium
        }

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 64
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: qsTr("Select your keyboard layouts to get started.")
            color: Colors.secondaryText
            font.pixelSize: 11
            font.weight: FontWeights.light
        }
    }

    Hairline {
        id: topLine
        anchors.top: header.bottom
        width: parent.width
    }

    Flickable {
        id: keyboardsArea
        anchors.top: topLine.bottom
        anchors.bottom: bottomLine.top
        width: parent.width
        clip: true
        contentHeight: keyboards.height + 20 + 12
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: keyboards
            x: 32
            y: 20
            width: parent.width - 64
            spacing: 10

            Card {
                objectName: "keyboardCard"
                width: parent.width
                title: qsTr("KEYBOARDS")
                spacing: 10
                cardPadding: 16

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
                        // Qt 6.4's qmllint does not see the document's ids inside delegates.
                        enabled: !keyboardToggle.selected || root.viewModel.canSwitchOff // qmllint disable unqualified
                        onToggled: (value) => root.viewModel.setKeyboardSelected(keyboardToggle.keyboardId, value)
                    }
                }
            }

            Caption {
                width: parent.width
                text: qsTr("At least 2 keyboards required for conversion")
            }

            Caption {
                objectName: "shellExtensionNote"
                visible: root.viewModel.offerShellExtension
                width: parent.width
                text: qsTr("On GNOME, Korrelang needs its Shell extension to switch keyboards after converting, to paste into applications without accessibility support, and to see which application is in front.")
                color: Colors.secondaryText
            }

            Rectangle {
                objectName: "enableShellExtension"
                visible: root.viewModel.offerShellExtension
                width: enableText.implicitWidth + 24
                height: enableText.implicitHeight + 12
                radius: 4
                color: enableTap.pressed ? Colors.pressedFill : Colors.idleFill
                border.width: 0.5
                border.color: Colors.outline

                Text {
                    id: enableText
                    anchors.centerIn: parent
                    text: qsTr("Turn On the Extension")
                    color: Colors.secondaryText
                    font.pixelSize: 11
                }

                PointerFeedback {}
                TapHandler {
                    id: enableTap
                    onTapped: root.viewModel.enableShellExtension()
                }
            }

            Caption {
                objectName: "noTrayNote"
                visible: root.viewModel.noTray
                width: parent.width
                text: qsTr("GNOME shows no tray icon: start Korrelang again from the applications overview to open its dashboard.")
                color: Colors.secondaryText
            }
        }
    }

    Hairline {
        id: bottomLine
        anchors.bottom: terms.top
        width: parent.width
    }

    Row {
        id: terms
        objectName: "termsRow"
        anchors.bottom: continueButton.top
        anchors.bottomMargin: 24
        anchors.left: parent.left
        anchors.leftMargin: 32
        width: parent.width - 64
        height: Math.max(16 + 16 + 14, termsText.height + 24)
        spacing: 10

        Rectangle {
            id: checkBox
            objectName: "termsCheckBox"
            anchors.verticalCenter: parent.verticalCenter
            width: 14
            height: 14
            radius: 3
            color: root.viewModel.hasAgreedToTerms ? Colors.accentBlue : Colors.fieldFill
            border.width: 0.5
            border.color: root.viewModel.hasAgreedToTerms ? Colors.accentBlue : Colors.placeholder

            SymbolIcon {
                anchors.centerIn: parent
                visible: root.viewModel.hasAgreedToTerms
                width: 10
                height: 10
                name: "checkmark"
                color: Colors.fieldFill
            }

            PointerFeedback {}
            TapHandler {
                margin: 4
                onTapped: root.viewModel.hasAgreedToTerms = !root.viewModel.hasAgreedToTerms
            }
        }

        // Wraps where a language needs more room than one line.
        Flow {
            id: termsText
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width - checkBox.width - parent.spacing
            spacing: 4

            Text {
                text: qsTr("I agree to the")
                color: Colors.secondaryText
                font.pixelSize: 12
            }

            Text {
                objectName: "termsLink"
                text: qsTr("Terms of Use")
                color: Colors.accentBlue
                font.pixelSize: 12
                PointerFeedback {}
                TapHandler { onTapped: root.viewModel.openTermsOfUse() }
            }

            Text {
                text: qsTr("and")
                color: Colors.secondaryText
                font.pixelSize: 12
            }

            Text {
                objectName: "privacyLink"
                text: qsTr("Privacy Policy")
                color: Colors.accentBlue
                font.pixelSize: 12
                PointerFeedback {}
                TapHandler { onTapped: root.viewModel.openPrivacyPolicy() }
            }
        }
    }

    Rectangle {
        id: continueButton
        objectName: "continueButton"
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 24
        anchors.left: parent.left
        anchors.leftMargin: 32
        width: parent.width - 64
        height: continueText.implicitHeight + 20
        radius: 4
        color: root.viewModel.canContinue ? Colors.accentBlue : Colors.idleFill

        Text {
            id: continueText
            anchors.centerIn: parent
            text: qsTr("Continue")
            color: root.viewModel.canContinue ? Colors.fieldFill : Colors.tertiaryText
            font.pixelSize: 12
            font.weight: Font.Medium
        }

        PointerFeedback {}
        TapHandler { onTapped: root.viewModel.continueOnboarding() }
    }
}
