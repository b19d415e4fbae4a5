#include "keyboard_sync.h"

#include "engine/log_format.h"

namespace korrelang::app {

KeyboardSync::Outcome KeyboardSync::sync(const keyboards::DetectedKeyboards& detected,
                                         const QStringList& selected,
                                         const std::optional<QStringList>& known) {
    Outcome outcome;
    outcome.selected = selected;
    outcome.known = known.value_or(QStringList());
    if (detected.isFallback) {
        outcome.logLines.push_back(
            "⚠️ The desktop's keyboards could not be read; the selection is left as it is");
        return outcome;
    }

    QStringList installed;
    for (const keyboards::KeyboardLayout& layout : detected.keyboards) {
        installed.append(QString::fromStdString(layout.id));
    }
    installed.removeDuplicates();

    QStringList result;
    int removed = 0;
    for (const QString& id : selected) {
        if (installed.contains(id)) {
            if (!result.contains(id)) {
                result.append(id);
            }
        } else {
            ++removed;
            outcome.logLines.push_back("⌨️ Auto-removed keyboard (no longer installed): " +
                                       id.toStdString());
        }
    }
    int added = 0;
    if (known) {
        for (const keyboards::KeyboardLayout& layout : detected.keyboards) {
            const QString id = QString::fromStdString(layout.id);
            if (known->contains(id) || result.contains(id)) {
                continue;
            }
            result.append(id);
            ++added;
            const std::string& name =
                layout.localizedName.empty() ? layout.id : layout.localizedName;
            outcome.logLines.push_back("⌨️ Auto-added keyboard: " + name + " (" + layout.id +
                                       ")");
        }
    }

    outcome.knownChanged = !known || *known != installed;
    outcome.known = installed;
    if (added == 0 && removed == 0) {
        outcome.logLines.push_back("⌨️ All " + std::to_string(installed.size()) +
                                   " keyboards in sync");
        return outcome;
    }
    outcome.selected = result;
    outcome.selectionChanged = true;
    std::vector<std::string> ids;
    for (const QString& id : result) {
        ids.push_back(id.toStdString());
    }
    outcome.logLines.push_back("⌨️ Selected keyboards now: " + engine::LogFormat::list(ids));
    return outcome;
}

}  // namespace korrelang::app
