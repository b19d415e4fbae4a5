// A Qt window with one focused text field holding argv[1], the caret at its end, and at most
// argv[2] characters when given: the Qt toolkit for the accessibility tests (Qt counts text
// offsets in UTF-16 units; a length limit truncates inserts silently).
#include <QApplication>
#include <QLineEdit>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLineEdit field;
    if (argc > 2) {
        field.setMaxLength(QString::fromUtf8(argv[2]).toInt());
    }
    field.setText(argc > 1 ? QString::fromUtf8(argv[1]) : QString());
    field.resize(400, 40);
    field.show();
    field.activateWindow();
    field.setFocus();
    return QApplication::exec();
}
