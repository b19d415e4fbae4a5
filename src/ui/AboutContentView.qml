import QtQuick
import Korrelang.Components
import Korrelang.Ui

// What the product is, a short privacy summary with the contact address, and how to remove it.
Item {
    id: root

    required property AboutViewModel viewModel
    property bool isPrivacyExpanded: false
    property bool isUninstallExpanded: false

    Column {
        id: header
        objectName: "aboutHeader"
        width: parent.width
        topPadding: 36
        bottomPadding: 36
        spacing: 12

        Item {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 64
            height: 64

            Rectangle {
                // The logo's shadow.
                x: 0
                y: 2
                width: 64
                height: 64
                radius: 4
                color: "black"
                opacity: 0.3
            }

            Image {
                objectName: "logo"
                anchors.fill: parent
                sourceSize.width: 128
                sourceSize.height: 128
                source: "app-logo.svg"
            }
        }

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "Korrelang"
            color: Colors.primaryText
            font.pixelSize: 20
            font.weight: FontWeights.light
        }

        Text {
            objectName: "versionText"
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Version %1").arg(root.viewModel.version)
            color: Colors.tertiaryText
            font.pixelSize: 11
            font.weight: FontWeights.light
        }
    }

    Hairline {
        id: headerLine
        anchors.top: header.bottom
        width: parent.width
    }

    Flickable {
        objectName: "aboutScroll"
        anchors.top: headerLine.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        clip: true
        contentHeight: body.height + 80
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: body
            x: 40
            y: 40
            width: parent.width - 80
            spacing: 24

            Text {
                width: parent.width
                wrapMode: Text.WordWrap
                text: qsTr("Typed in the wrong language? Korrelang instantly converts selected text between keyboard layouts with a single hotkey. It runs silently in your menu bar.")
                color: Colors.secondaryText
                font.pixelSize: 12
                font.weight: FontWeights.light
                lineHeight: 1.2
            }

            Hairline { width: parent.width }

            Column {
                anchors.left: parent.left
                spacing: 4

                Row {
                    Text {
                        text: qsTr("Created by ")
                        color: Colors.secondaryText
                        font.pixelSize: 12
                    }

                    Text {
                        objectName: "creditLink"
                        text: qsTr("the Korrelang developers")
                        color: Colors.accentBlue
                        font.pixelSize: 12

                        PointerFeedback {}
                        TapHandler { onTapped: root.viewModel.openAddress(root.viewModel.authorAddress) }
                    }
                }

                Text {
                    text: qsTr("Free software for everyone who types in more than one language.")
                    color: Colors.tertiaryText
                    font.pixelSize: 10
                    font.weight: FontWeights.light
                }
            }

            Hairline { width: parent.width }

            Column {
                width: parent.width

                DisclosureTitle {
                    objectName: "privacyToggle"
                    anchors.left: parent.left
                    title: qsTr("PRIVACY POLICY")
                    isExpanded: root.isPrivacyExpanded
                    onToggled: root.isPrivacyExpanded = !root.isPrivacyExpanded
                }

                Column {
                    objectName: "privacyContent"
                    visible: root.isPrivacyExpanded
                    width: parent.width
                    topPadding: 16
                    bottomPadding: 16
                    spacing: 14

                    Text {
                        width: parent.width
                        wrapMode: Text.WordWrap
                        text: qsTr("This is a shortened summary. Read the full privacy policy at %1.")
                              .arg(root.viewModel.privacyPolicyAddress)
                        color: Colors.tertiaryText
                        font.pixelSize: 10
                        font.italic: true
                    }

                    Repeater {
                        model: [
                            { title: qsTr("Your text stays on your device"),
                              text: qsTr("Korrelang processes all text locally. Your text, keystrokes, and personal information are never collected, stored, or transmitted.") },
                            { title: qsTr("Anonymous analytics"),
                              text: qsTr("When enabled (the default), Korrelang sends anonymous, non-identifiable usage data (app version, Linux version, language pair) to a privacy-first analytics service based in Germany. All identifiers are SHA-256-hashed on your device. You can disable this anytime in Preferences > Advanced.")
                                    + (root.viewModel.analyticsConfigured ? ""
                                       : " " + qsTr("This build has no analytics address and sends nothing.")) },
                            { title: qsTr("Your rights"),
                              text: qsTr("You can request access, correction, or deletion of your personal data at any time. EU residents may also lodge a complaint with their local data protection authority.") }
                        ]

                        Column {
                            id: promise
                            required property var modelData
                            width: parent.width
                            spacing: 2

                            Text {
                                anchors.left: parent.left
                                text: promise.modelData.title
                                color: Colors.primaryText
                                font.pixelSize: 11
                                font.weight: Font.Medium
                            }

                            Caption {
                                width: parent.width
                                text: promise.modelData.text
                                color: Colors.secondaryText
                            }
                        }
                    }

                    Row {
                        anchors.left: parent.left
                        spacing: 6

                        Text {
                            text: qsTr("Contact")
                            color: Colors.primaryText
                            font.pixelSize: 11
                            font.weight: Font.Medium
                        }

                        Text {
                            objectName: "contactAddress"
                            anchors.baseline: parent.children[0].baseline
                            text: root.viewModel.contactAddress
                            color: Colors.secondaryText
                            font.pixelSize: 10
                            font.weight: FontWeights.light

                            PointerFeedback {}
                            TapHandler { onTapped: root.viewModel.copyContactAddress() }
                        }

                        Text {
                            objectName: "copiedText"
                            anchors.baseline: parent.children[0].baseline
                            text: qsTr("Copied!")
                            color: Colors.accentBlue
                            font.pixelSize: 9
                            font.weight: Font.Medium
                            opacity: root.viewModel.showEmailCopied ? 1 : 0

                            Behavior on opacity { NumberAnimation { duration: 200 } }
                        }
                    }

                    Text {
                        objectName: "privacyLink"
                        anchors.left: parent.left
                        text: qsTr("Read full privacy policy")
                        color: Colors.accentBlue
                        font.pixelSize: 10
                        font.weight: Font.Medium

                        PointerFeedback {}
                        TapHandler { onTapped: root.viewModel.openAddress(root.viewModel.privacyPolicyAddress) }
                    }
                }
            }

            Hairline { width: parent.width }

            Column {
                width: parent.width

                DisclosureTitle {
                    objectName: "uninstallToggle"
                    anchors.left: parent.left
                    title: qsTr("HOW TO UNINSTALL")
                    isExpanded: root.isUninstallExpanded
                    onToggled: root.isUninstallExpanded = !root.isUninstallExpanded
                }

                Column {
                    objectName: "uninstallContent"
                    visible: root.isUninstallExpanded
                    width: parent.width
                    topPadding: 24
                    bottomPadding: 24
                    spacing: 12

                    Repeater {
                        model: [
                            { title: qsTr("Quit the App"), detail: qsTr("Click the tray icon → Quit") },
                            { title: qsTr("Remove the App"),
                              detail: qsTr("Remove the korrelang package with your package manager, for example:"),
                              command: "sudo apt remove korrelang" },
                            { title: qsTr("Remove Settings (optional)"),
                              detail: qsTr("Open a terminal and run:"),
                              command: "rm -rf ~/.config/Korrelang" },
                            { title: qsTr("Remove from Autostart"),
                              detail: qsTr("Delete the autostart file:"),
                              command: "rm ~/.config/autostart/korrelang.desktop" }
                        ]

                        Row {
                            id: step
                            required property var modelData
                            required property int index
                            width: parent.width
                            spacing: 10

                            Rectangle {
                                width: 20
                                height: 20
                                radius: 4
                                color: Colors.selectedSegment

                                Text {
                                    anchors.centerIn: parent
                                    text: step.index + 1
                                    color: Colors.secondaryText
                                    font.pixelSize: 10
                                    font.weight: Font.Medium
                                }
                            }

                            Column {
                                width: parent.width - 30
                                spacing: 2

                                Text {
                                    anchors.left: parent.left
                                    text: step.modelData.title
                                    color: Colors.primaryText
                                    font.pixelSize: 11
                                }

                                Caption {
                                    width: parent.width
                                    text: step.modelData.detail
                                    color: Colors.secondaryText
                                }

                                // A command reads left to right in every language.
                                Text {
                                    objectName: "uninstallCommand"
                                    visible: text !== ""
                                    anchors.left: parent.left
                                    text: step.modelData.command ?? ""
                                    color: Colors.secondaryText
                                    font.pixelSize: 10
                                    font.weight: FontWeights.light
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}
