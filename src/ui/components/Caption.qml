import QtQuick

// Small print under or beside a control: light, wrapped, in the quietest grey unless told.
Text {
    wrapMode: Text.WordWrap
    color: Colors.tertiaryText
    font.pixelSize: 10
    font.weight: FontWeights.light
}
