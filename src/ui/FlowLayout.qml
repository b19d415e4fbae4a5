import QtQuick

// A row that wraps: items keep their own size and go on the next line when the next one would
// pass the right edge; an item wider than the whole row stands alone on its line.
Flow {
    spacing: 6
    flow: Flow.LeftToRight
}
