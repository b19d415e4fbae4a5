import QtQuick
import Korrelang.Components
import Korrelang.Ui

// The feedback form: the kind of feedback, optional name and e-mail, the message, Cancel and Send.
Item {
    id: root

    required property FeedbackViewModel viewModel

    signal closeRequested()

    focus: true
    Keys.onEscapePressed: root.closeRequested()
    Keys.onReturnPressed: root.viewModel.send()
    Keys.onEnterPressed: root.viewModel.send()

    TabHeader {
        id: header
        symbol: "envelope"
        title: qsTr("SEND FEEDBACK")
    }

    Column {
        id: form
        anchors.top: header.bottom
        anchors.topMargin: 24
        x: 40
        width: parent.width - 80
        spacing: 24

        Text {
            objectName: "notConfigured"
            visible: !root.viewModel.isConfigured
            width: parent.width
            wrapMode: Text.WordWrap
            text: qsTr("Feedback is not configured in this build, so it cannot be sent from here.")
            color: Colors.accentBlue
            font.pixelSize: 11
            font.weight: FontWeights.light
        }

        Column {
            width: parent.width
            spacing: 8

            SectionTitle {
                anchors.left: parent.left
                title: qsTr("TYPE")
            }

            Rectangle {
                objectName: "typeSelector"
                width: parent.width
                height: 11 + 14 + 4
                color: "transparent"
                border.width: 0.5
                border.color: Colors.outline
                radius: 2

                Row {
                    anchors.fill: parent

                    Repeater {
                        model: root.viewModel.typeTitles

                        Rectangle {
                            id: typeCell
                            objectName: "typeCell"
                            required property string modelData
                            required property int index
                            // Qt 6.4's qmllint does not see the document's ids inside delegates.
                            readonly property bool selected: root.viewModel.feedbackType === index // qmllint disable unqualified
                            width: parent.width / 4
                            height: parent.height
                            color: selected ? Colors.selectedSegment : "transparent"

                            Text {
                                anchors.centerIn: parent
                                // The titles come from the view model in English.
                                text: qsTranslate("FeedbackViewModel", typeCell.modelData)
                                color: parent.selected ? Colors.primaryText : Colors.tertiaryText
                                font.pixelSize: 11
                                font.weight: parent.selected ? Font.Medium : FontWeights.light
                            }

                            PointerFeedback {}
                            TapHandler { onTapped: root.viewModel.feedbackType = typeCell.index } // qmllint disable unqualified
                        }
                    }
                }
            }
        }

        Row {
            width: parent.width
            spacing: 10

            DarkTextField {
                objectName: "nameField"
                width: (parent.width - 10) / 2
                placeholder: qsTr("Name")
                text: root.viewModel.name
                onTextChanged: root.viewModel.name = text
            }

            DarkTextField {
                objectName: "emailField"
                width: (parent.width - 10) / 2
                placeholder: qsTr("Email")
                text: root.viewModel.email
                onTextChanged: root.viewModel.email = text
            }
        }

        Column {
            width: parent.width
            spacing: 8

            SectionTitle {
                anchors.left: parent.left
                title: qsTr("YOUR MESSAGE")
            }

            Rectangle {
                width: parent.width
                height: Math.max(160, editor.contentHeight + 16)
                radius: 2
                color: Colors.fieldFill
                border.width: 0.5
                border.color: Colors.outline

                TextEdit {
                    id: editor
                    objectName: "messageEditor"
                    anchors.fill: parent
                    anchors.margins: 8
                    wrapMode: TextEdit.Wrap
                    color: Colors.primaryText
                    selectionColor: Colors.accentBlue
                    selectedTextColor: Colors.fieldFill
                    font.pixelSize: 12
                    font.weight: FontWeights.light
                    text: root.viewModel.message
                    onTextChanged: root.viewModel.message = text
                }
            }
        }
    }

    Hairline {
        id: footerLine
        anchors.bottom: buttons.top
        width: parent.width
    }

    Item {
        id: buttons
        anchors.bottom: parent.bottom
        width: parent.width
        height: send.height + 40

        Row {
            anchors.right: parent.right
            anchors.rightMargin: 40
            anchors.verticalCenter: parent.verticalCenter
            spacing: 10

            DashboardButton {
                objectName: "cancelButton"
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Cancel")
                onClicked: root.closeRequested()
                PointerFeedback {}
            }

            DashboardPrimaryButton {
                id: send
                objectName: "sendButton"
                text: qsTr("Send")
                isEnabled: root.viewModel.canSend
                onClicked: root.viewModel.send()
                PointerFeedback {}
            }
        }
    }

    AlertSheet {
        objectName: "successAlert"
        visible: root.viewModel.showSuccess
        title: qsTr("Feedback Sent!")
        message: qsTr("Thank you for your feedback! We'll review it soon.")
        onAccepted: {
            root.viewModel.showSuccess = false
            root.closeRequested()
        }
    }

    AlertSheet {
        objectName: "errorAlert"
        visible: root.viewModel.showError
        title: qsTr("Error Sending Feedback")
        message: qsTr("Could not send feedback. Please try again later.")
        onAccepted: root.viewModel.showError = false
    }
}
