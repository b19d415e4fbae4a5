import QtQuick
import Korrelang.Components
import Korrelang.Ui

// The list of statistics periods that opens below the popup's period; choosing one sets it.
// Its texts keep the popup's translation context.
Rectangle {
    id: root

    required property MenuPopupViewModel viewModel
    // The period control it opens from, in the same parent.
    required property Item opener

    signal picked()

    // The stored period names are English; they are shown in the user's language.
    function periodTitle(period: string): string {
        switch (period) {
        case "Today": return qsTranslate("MenuPopupView", "Today")
        case "This Week": return qsTranslate("MenuPopupView", "This Week")
        case "This Month": return qsTranslate("MenuPopupView", "This Month")
        case "This Year": return qsTranslate("MenuPopupView", "This Year")
        }
        return period
    }

    // Opens below the period, from its leading edge.
    readonly property point anchorPoint: opener.mapToItem(
        parent, LayoutMirroring.enabled ? opener.width : 0, opener.height)
    x: LayoutMirroring.enabled ? anchorPoint.x - width : anchorPoint.x
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
                    anchors.left: parent.left
                    anchors.leftMargin: 12
                    anchors.verticalCenter: parent.verticalCenter
                    text: root.periodTitle(entry.modelData) // qmllint disable unqualified
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
                        root.picked() // qmllint disable unqualified
                    }
                }
            }
        }
    }
}
