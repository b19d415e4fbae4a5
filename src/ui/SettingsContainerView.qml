import QtQuick
import Korrelang.Components
import Korrelang.Ui

// The settings window's content: the sidebar of tabs with the share block, a hairline, and the
// selected tab.
Rectangle {
    id: root

    required property SettingsWindowModel model

    width: 760
    height: 620
    color: Colors.windowBackground
    LayoutMirroring.enabled: Languages.rightToLeft
    LayoutMirroring.childrenInherit: true

    Item {
        id: sidebar
        objectName: "sidebar"
        anchors.left: parent.left
        // Above the content, so that the share menu can reach over it.
        z: 1
        width: 180
        height: parent.height

        Column {
            x: 12
            y: 20
            width: parent.width - 24
            spacing: 4

            Repeater {
                model: [
                    { title: qsTr("Preferences"), symbol: "gear" },
                    { title: qsTr("About"), symbol: "book.closed" },
                    { title: qsTr("Feedback"), symbol: "envelope" }
                ]

                SidebarItem {
                    objectName: "sidebarItem" + index
                    required property var modelData
                    required property int index
                    width: parent.width
                    title: modelData.title
                    symbol: modelData.symbol
                    // Qt 6.4's qmllint does not see the document's ids inside delegates.
                    isSelected: root.model.selectedTab === index // qmllint disable unqualified
                    onActivated: root.model.selectedTab = index // qmllint disable unqualified
                }
            }
        }

        Column {
            id: shareBlock
            objectName: "shareBlock"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 20
            spacing: 8

            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Share the love")
                color: Colors.secondaryText
                font.pixelSize: 11
                font.weight: FontWeights.light
            }

            SharePinkButton {
                id: shareButton
                objectName: "shareButton"
                anchors.horizontalCenter: parent.horizontalCenter
                symbol: "heart"
                text: qsTr("Share")
                onClicked: {
                    root.model.shareRequested()
                    shareMenu.visible = true
                }

                PointerFeedback {}
            }
        }

        // The share menu: copy the text, or hand it to the mail client.
        Rectangle {
            id: shareMenu
            objectName: "shareMenu"
            visible: false
            anchors.left: parent.left
            anchors.leftMargin: 80
            y: shareBlock.y - height - 6
            width: menuColumn.width
            height: menuColumn.height + 8
            radius: 4
            color: Colors.selectedSegment
            border.width: 0.5
            border.color: Colors.outline
            z: 2

            Column {
                id: menuColumn
                y: 4
                width: 150

                Repeater {
                    model: [ qsTr("Copy Text"), qsTr("Send by Email") ]

                    Rectangle {
                        id: shareItem
                        objectName: "shareMenuItem" + index
                        required property string modelData
                        required property int index
                        width: parent.width
                        height: 24
                        color: itemHover.hovered ? Qt.rgba(Colors.accentBlue.r, Colors.accentBlue.g,
                                                           Colors.accentBlue.b, 0.2)
                                                 : "transparent"

                        Text {
                            anchors.left: parent.left
                            anchors.leftMargin: 10
                            anchors.verticalCenter: parent.verticalCenter
                            text: shareItem.modelData
                            color: Colors.primaryText
                            font.pixelSize: 11
                            font.weight: FontWeights.light
                        }

                        HoverHandler { id: itemHover; cursorShape: Qt.PointingHandCursor }
                        TapHandler {
                            onTapped: {
                                shareMenu.visible = false // qmllint disable unqualified
                                if (shareItem.index === 0)
                                    root.model.copyShareText() // qmllint disable unqualified
                                else
                                    root.model.mailShareText() // qmllint disable unqualified
                            }
                        }
                    }
                }
            }
        }
    }

    Hairline {
        id: divider
        vertical: true
        anchors.left: sidebar.right
        height: parent.height
    }

    Loader {
        id: content
        objectName: "content"
        focus: true
        anchors.left: divider.right
        anchors.right: parent.right
        height: parent.height
        sourceComponent: [preferencesTab, aboutTab, feedbackTab][root.model.selectedTab]
    }

    // A click anywhere outside the open share menu closes it.
    TapHandler {
        enabled: shareMenu.visible
        onTapped: (eventPoint) => {
            const p = shareMenu.mapFromItem(root, eventPoint.position)
            if (!shareMenu.contains(p))
                shareMenu.visible = false
        }
    }

    // Qt 6.4's qmllint does not see the document's ids inside components.
    Component {
        id: preferencesTab
        PreferencesContentView { viewModel: root.model.preferences } // qmllint disable unqualified
    }

    Component {
        id: aboutTab
        AboutContentView { viewModel: root.model.about } // qmllint disable unqualified
    }

    Component {
        id: feedbackTab
        FeedbackContentView {
            viewModel: root.model.feedback // qmllint disable unqualified
            onCloseRequested: root.model.requestClose() // qmllint disable unqualified
        }
    }
}
