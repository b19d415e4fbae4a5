// A Qt window with one focused text field holding argv[1], the caret at its end, and at most
// argv[2] characters when given (0: no limit): the Qt toolkit for the accessibility tests (Qt
// counts text offsets in UTF-16 units; a length limit truncates inserts silently). With argv[3]
// "list", a list sits beside the field and keeps announcing its current item as focused while
// the keyboard stays in the field, as Qt does when a list's contents change.
#include <QAccessible>
#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* field = new QLineEdit;
    layout->addWidget(field);
    if (argc > 2 && QString::fromUtf8(argv[2]).toInt() > 0) {
        field->setMaxLength(QString::fromUtf8(argv[2]).toInt());
    }
    field->setText(argc > 1 ? QString::fromUtf8(argv[1]) : QString());
    QTimer announcer;
    if (argc > 3 && QString::fromUtf8(argv[3]) == "list") {
        auto* list = new QListWidget;
        list->addItems({"one", "two"});
        list->setCurrentRow(1);
        layout->addWidget(list);
        QObject::connect(&announcer, &QTimer::timeout, list, [list] {
            QAccessibleEvent focus(list, QAccessible::Focus);
            focus.setChild(1);
            QAccessible::updateAccessibility(&focus);
        });
        announcer.start(100);
    }
    window.resize(500, 120);
    window.show();
    window.activateWindow();
    field->setFocus();
    return QApplication::exec();
}
