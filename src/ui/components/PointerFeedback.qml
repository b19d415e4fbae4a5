import QtQuick

// The pointing-hand cursor while the pointer is over the parent; the previous cursor returns when
// it leaves.
HoverHandler {
    cursorShape: Qt.PointingHandCursor
}
