import QtQuick
import Korrelang.Components

// A modal alert over the window's content: a title, a message and one "OK" button.
Rectangle {
    id: root

    property string title: ""
    property string message: ""

    signal accepted()

    anchors.fill: parent
    color: Qt.rgba(0, 0, 0, 0.5)
    z: 10

    // Swallows clicks and keys meant for the content behind.
    TapHandler {}
    Keys.onPressed: (event) => {
        if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter || event.key === Qt.Key_Escape)
            root.accepted()
        event.accepted = true
    }
    onVisibleChanged: if (visible) forceActiveFocus()

    Rectangle {
        objectName: "alertBox"
        anchors.centerIn: parent
        width: 280
        height: box.height + 40
        radius: 6
        color: Colors.grey(0.14)
        border.width: 0.5
        border.color: Colors.outline

        Column {
            id: box
            x: 20
            y: 20
            width: parent.width - 40
            spacing: 10

            Text {
                objectName: "alertTitle"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: root.title
                color: Colors.primaryText
                font.pixelSize: 13
                font.weight: Font.Medium
            }

            Text {
                objectName: "alertMessage"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: root.message
                color: Colors.secondaryText
                font.pixelSize: 11
                font.weight: FontWeights.light
            }

            DashboardPrimaryButton {
                objectName: "alertOk"
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("OK")
                onClicked: root.accepted()
            }
        }
    }
}
