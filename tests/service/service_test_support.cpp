#include "service_test_support.h"

#include <QString>
#include <algorithm>
#include <utility>

namespace korrelang::service::testing {

namespace {

// Byte offset of code point `index`.
std::size_t offset(const std::string& text, std::size_t index) {
    return static_cast<std::size_t>(
        QString::fromStdString(text).left(static_cast<qsizetype>(index)).toStdString().size());
}

std::size_t length(const std::string& text) {
    return static_cast<std::size_t>(QString::fromStdString(text).size());
}

}  // namespace

bool ScriptedEditor::simulateKeyPress(platform::KeyCode key, platform::Modifiers flags) {
    presses.push_back({key, flags});
    if (!available) {
        return false;
    }
    if (holdsPlainKeys && !flags.has(platform::Modifier::Control)) {
        m_held.push_back({key, flags});
        return true;
    }
    return act(key, flags);
}

void ScriptedEditor::deliverHeldKeys() {
    const auto held = std::exchange(m_held, {});
    for (const auto& press : held) {
        act(press.key, press.flags);
    }
}

bool ScriptedEditor::act(platform::KeyCode key, platform::Modifiers flags) {
    if (ignoresKeys) {
        return true;
    }
    using platform::Modifier;
    if (field) {
        platform::TextRange& selection = field->selection;
        if (key == KEY_LEFT && flags == Modifier::Shift && selection.location > 0) {
            selection = {selection.location - 1, selection.length + 1};
        } else if (key == KEY_RIGHT && flags == Modifier::Shift && selection.length > 0) {
            selection = {selection.location + 1, selection.length - 1};
        } else if (key == KEY_HOME && flags == Modifier::Shift && !ignoresHome) {
            const QString before = QString::fromStdString(field->text)
                                       .left(static_cast<qsizetype>(selection.location));
            const long lineStart = static_cast<long>(before.lastIndexOf('\n') + 1);
            const long home = std::min(lineStart + homeStopsAfter, selection.location);
            selection = {home, selection.location + selection.length - home};
        } else if (key == KEY_V && flags == Modifier::Control) {
            const std::string pasted = m_clipboard.text().value_or("");
            m_beforePaste = field->text;
            field->setSelectedText(pasteFilter ? pasteFilter(pasted) : pasted);
        } else if (key == KEY_Z && flags == Modifier::Control && undoesPaste && m_beforePaste) {
            field->text = *m_beforePaste;
            m_beforePaste.reset();
        } else if (key == KEY_RIGHT && flags.empty()) {
            selection = {selection.location + selection.length, 0};
        }
        return true;
    }
    syncPrimary();
    const std::size_t from = offset(text, selectionStart);
    const std::size_t to = offset(text, selectionEnd);
    if (key == KEY_C && flags == Modifier::Control) {
        if (selectionEnd > selectionStart) {
            m_clipboard.setText(text.substr(from, to - from));
        } else if (copiesLineWithoutSelection) {
            const std::size_t start = from == 0 ? 0 : text.rfind('\n', from - 1);
            const std::size_t begin = start == std::string::npos || from == 0 ? 0 : start + 1;
            const std::size_t lineEnd = text.find('\n', from);
            m_clipboard.setText(text.substr(begin, lineEnd == std::string::npos ? std::string::npos
                                                                                : lineEnd - begin) +
                                "\n");
        }
    } else if (key == KEY_A && flags == Modifier::Control) {
        selectionStart = 0;
        selectionEnd = length(text);
    } else if (key == KEY_HOME && flags == Modifier::Shift) {
        const std::size_t lineStart = text.rfind('\n', from == 0 ? 0 : from - 1);
        const std::size_t startByte =
            lineStart == std::string::npos || from == 0 ? 0 : lineStart + 1;
        selectionStart = length(text.substr(0, startByte));
    } else if (key == KEY_END && flags == Modifier::Shift) {
        const std::size_t lineEnd = text.find('\n', to);
        selectionEnd = length(text.substr(0, lineEnd == std::string::npos ? text.size() : lineEnd));
    } else if (key == KEY_LEFT && flags == Modifier::Shift) {
        selectionStart -= selectionStart > 0 ? 1 : 0;
    } else if (key == KEY_Z && flags == Modifier::Control && undoesPaste && m_beforePaste) {
        text = *m_beforePaste;
        selectionStart = m_pasteStart;
        selectionEnd = m_pasteStart + length(*m_pastedOver);
        m_beforePaste.reset();
    } else if (key == KEY_V && flags == Modifier::Control) {
        const std::string clipboard = m_clipboard.text().value_or("");
        const std::string pasted = pasteFilter ? pasteFilter(clipboard) : clipboard;
        m_beforePaste = text;
        m_pastedOver = text.substr(from, to - from);
        m_pasteStart = selectionStart;
        text.replace(from, to - from, pasted);
        selectionStart = selectionEnd = selectionStart + length(pasted);
        if (afterPaste) {
            afterPaste();
        }
    } else if (key == KEY_RIGHT && flags.empty()) {
        selectionStart = selectionEnd;
    }
    syncPrimary();
    return true;
}

void ScriptedEditor::syncPrimary() {
    if (selectionEnd > selectionStart) {
        const std::size_t from = offset(text, selectionStart);
        m_clipboard.setPrimaryText(text.substr(from, offset(text, selectionEnd) - from));
    }
}

}  // namespace korrelang::service::testing
