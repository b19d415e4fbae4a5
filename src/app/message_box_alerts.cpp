#include "message_box_alerts.h"

#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include "alert_texts.h"

namespace korrelang::app {

std::optional<std::size_t> MessageBoxAlerts::runModal(const Alert& alert) {
    QStringList lines;
    for (const auto& line : alert.lines) {
        lines.append(AlertTexts::translate(line));
    }
    QMessageBox box(
        alert.style == Alert::Style::Warning ? QMessageBox::Warning : QMessageBox::Information,
        AlertTexts::translate(alert.title), AlertTexts::translate(alert.title));
    box.setInformativeText(lines.join('\n'));
    std::vector<QPushButton*> buttons;
    for (const auto& title : alert.buttons) {
        buttons.push_back(
            box.addButton(AlertTexts::translate(title),
                          buttons.empty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole));
    }
    if (!buttons.empty()) {
        box.setDefaultButton(buttons.front());
    }
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i]) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace korrelang::app
