import QtQuick
import Korrelang.Components

Text {
    property string title: ""

    text: title.toUpperCase()
    color: Colors.tertiaryText
    font.pixelSize: 9
    font.weight: Font.Medium
    font.letterSpacing: 1.5
}
