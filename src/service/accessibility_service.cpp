#include "accessibility_service.h"

#include <QDateTime>
#include <algorithm>

#include "engine/grapheme_cursor.h"
#include "engine/keyboard_mapping_registry.h"
#include "service_log.h"

namespace korrelang::service {

namespace {

using platform::AccessCode;
using servicelog::boolText;
using servicelog::say;
using servicelog::sayText;

}  // namespace

bool AccessibilityService::checkAccessibilityPermission() const {
    const bool trusted = m_accessibility.isTrusted();
    const std::string now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
    say("🔐 [" + now + "] Accessibility Check: " + boolText(trusted));
    m_workspace.systemLog(std::string("🔐 Korrelang: Accessibility Check Result = ") +
                          (trusted ? "1" : "0"));
    return trusted;
}

void AccessibilityService::requestAccessibilityPermission() {
    if (m_accessibility.requestTrust()) {
        return;
    }
    const std::string address = m_accessibility.settingsAddress();
    if (address.empty() || !m_workspace.openAddress(address)) {
        say("💡 Turn on assistive technologies in your desktop's accessibility settings");
    }
}

std::shared_ptr<platform::TextElement> AccessibilityService::getFocusedElement() const {
    // "Log" lines go to the system log and, indented, to standard output.
    const auto log = [this](const std::string& line) {
        m_workspace.systemLog(line);
        say("      " + line);
    };
    log("🔍 getFocusedElement() called");
    log("✅ Created system-wide element");
    log("🔍 Getting focused application...");
    const platform::FocusLookup lookup = m_accessibility.focusedElement();
    log("📊 App result code: " + toString(lookup.applicationCode));
    if (lookup.applicationCode != AccessCode::success) {
        log("❌ Failed to get focused app. Error: " + toString(lookup.applicationCode));
        m_pressWithoutApplication = true;
        return nullptr;
    }
    say("      ✅ Got app element");
    say("      ✅ Focused app: " +
        (lookup.applicationName.empty() ? std::string("Unknown") : lookup.applicationName));
    say("      🔍 Getting focused UI element...");
    // Success without an element counts as a failure.
    const AccessCode elementCode = lookup.elementCode == AccessCode::success && !lookup.element
                                       ? AccessCode::noValue
                                       : lookup.elementCode;
    say("      📊 Element result code: " + toString(elementCode));
    if (elementCode != AccessCode::success) {
        say("      ❌ Failed to get focused element. Error: " + toString(elementCode));
        return nullptr;
    }
    const std::string role = lookup.element->role();
    say("      ✅ Focused element role: " + (role.empty() ? std::string("Unknown") : role));
    return lookup.element;
}

std::optional<std::string> AccessibilityService::getSelectedTextViaAccessibility() const {
    say("   🔍 Getting focused element...");
    const auto element = getFocusedElement();
    if (!element) {
        say("   ❌ Could not get focused element");
        return std::nullopt;
    }
    say("   ✅ Got focused element");
    say("   🔍 Checking available attributes...");
    if (const auto names = element->interfaceNames()) {
        std::string joined;
        for (const auto& name : *names) {
            joined += (joined.empty() ? "" : ", ") + name;
        }
        const bool hasText = std::find(names->begin(), names->end(), "Text") != names->end();
        say("   📋 Available attributes: " + joined);
        say("   🔎 Has AT-SPI Text (selection): " + boolText(hasText));
        say("   🔎 Has AT-SPI Text (contents): " + boolText(hasText));
    } else {
        say("   ⚠️  Could not get attribute list");
    }
    say("   🔍 Requesting selected text (AT-SPI Text selection)...");
    const auto selected = element->selectedText();
    if (selected.code != AccessCode::success || !selected.value) {
        const AccessCode code =
            selected.code != AccessCode::success ? selected.code : AccessCode::noValue;
        say("   ❌ Failed to get selected text. Error code: " + toString(code));
        say("   🔍 Trying the AT-SPI text contents as fallback...");
        const auto value = element->value();
        if (value.code != AccessCode::success || !value.value) {
            say("   ❌ Text contents also failed: " + toString(value.code));
        } else {
            // Only the size: a field's whole content never goes into a log.
            say("   ✅ Got text contents: <" +
                std::to_string(engine::GraphemeCursor::count(*value.value)) + " chars>");
        }
        return std::nullopt;
    }
    sayText("   ✅ Got selected text: '", *selected.value,
            "' (length: " + std::to_string(engine::GraphemeCursor::count(*selected.value)) + ")");
    return selected.value;
}

std::optional<std::string> AccessibilityService::getSelectedText() const {
    say("📥 AccessibilityService.getSelectedText() called");
    auto text = getSelectedTextViaAccessibility();
    if (!text) {
        say("📥 getSelectedTextViaAccessibility returned nil");
        return std::nullopt;
    }
    if (text->empty()) {
        say("📥 Selected text is empty string");
        return std::nullopt;
    }
    sayText("📥 Returning selected text: '", *text, "'");
    return text;
}

LineText AccessibilityService::lineBeforeCursor(std::string_view value, long cursor) {
    const std::string_view prefix =
        engine::GraphemeCursor::prefix(value, static_cast<std::size_t>(std::max(cursor, 0L)));
    engine::GraphemeCursor characters(prefix);
    std::string_view character;
    long index = 0;
    long lineStart = 0;
    std::size_t lineStartByte = 0;
    std::size_t byte = 0;
    while (characters.next(character)) {
        byte += character.size();
        ++index;
        // A CR LF pair is one character; its line feed ends the line as a lone one does.
        if (character == "\n" || character == "\r\n") {
            lineStart = index;
            lineStartByte = byte;
        }
    }
    LineText line;
    line.text = std::string(prefix.substr(lineStartByte));
    line.location = lineStart;
    line.length = index - lineStart;
    return line;
}

std::optional<LineText> AccessibilityService::getTextFromLineStartToCursor() const {
    const auto element = getFocusedElement();
    if (!element) {
        return std::nullopt;
    }
    const auto range = element->selectedRange();
    if (!range.succeeded()) {
        return std::nullopt;
    }
    const auto value = element->value();
    if (!value.succeeded()) {
        return std::nullopt;
    }
    return lineBeforeCursor(*value.value, range.value->location);
}

std::optional<AccessibleText> AccessibilityService::readTextToConvert() const {
    say("🔍 Calling AccessibilityService.getSelectedText()");
    if (!m_pressElement && m_pressWithoutApplication) {
        say("🔍 getSelectedText() returned: nil (the application was not reached earlier)");
        return std::nullopt;
    }
    const auto element = m_pressElement ? m_pressElement : getFocusedElement();
    if (!element) {
        say("🔍 getSelectedText() returned: nil");
        return std::nullopt;
    }
    // One read of the text and the selection: the range's offsets are mapped on that text.
    const auto state = element->textState();
    if (!state.succeeded()) {
        say("🔍 getSelectedText() returned: nil");
        say("   ❌ The focused element's text cannot be read (code " + toString(state.code) + ")");
        return std::nullopt;
    }
    m_pressElement = element;
    AccessibleText read;
    read.element = element;
    const platform::TextRange selection = state.value->selection;
    if (selection.length > 0) {
        const std::string_view whole = state.value->text;
        const std::string_view before =
            engine::GraphemeCursor::prefix(whole, static_cast<std::size_t>(selection.location));
        read.text = std::string(engine::GraphemeCursor::prefix(
            whole.substr(before.size()), static_cast<std::size_t>(selection.length)));
        read.range = selection;
        read.isSelection = true;
        if (holdsEmbeddedObject(read.text)) {
            return std::nullopt;
        }
        sayText("🔍 getSelectedText() returned: '", read.text, "'");
        sayText("📝 Selected text found: '", read.text, "'");
        return read;
    }
    say("🔍 getSelectedText() returned: nil");
    say("⚠️ No selected text via Accessibility, trying fallbacks...");
    const LineText line = lineBeforeCursor(state.value->text, selection.location);
    read.text = line.text;
    read.range = {line.location, line.length};
    if (holdsEmbeddedObject(read.text)) {
        return std::nullopt;
    }
    sayText("📝 Found cursor-to-line text: '", read.text, "'");
    return read;
}

bool AccessibilityService::holdsEmbeddedObject(std::string_view text) {
    // U+FFFC stands for a child object (a Firefox contenteditable line): the characters it
    // hides cannot be read or written here, so another way has to take the text.
    if (text.find("\xEF\xBF\xBC") == std::string_view::npos) {
        return false;
    }
    say("⚠️ The text holds embedded objects (U+FFFC) and cannot be read through accessibility");
    return true;
}

bool AccessibilityService::replaceTextInRange(long location, long length, std::string_view text) {
    const auto element = getFocusedElement();
    if (!element || location < 0 || length < 0) {
        return false;
    }
    if (element->setSelectedRange({location, length}) != AccessCode::success) {
        return false;
    }
    return element->setSelectedText(text) == AccessCode::success;
}

std::optional<std::string> AccessibilityService::getCurrentKeyboardID() const {
    auto id = m_inputSources.currentSourceID();
    if (!id) {
        return std::nullopt;
    }
    say("📥 Current keyboard: " + *id);
    return id;
}

void AccessibilityService::switchKeyboardForTarget(std::string_view targetID,
                                                   const std::vector<std::string>& keyboards) {
    if (keyboards.size() < 2) {
        say("⚠️ Need at least 2 keyboards for auto-switch");
        return;
    }
    say("🔄 Auto-switching keyboard to match target layout: " + std::string(targetID));
    const auto& registry = engine::KeyboardMappingRegistry::shared();
    for (const std::string& id : keyboards) {
        const auto mapping = registry.mappingFor(id);
        if (mapping && mapping->id() == targetID) {
            say("🎯 Switching to: " + id);
            switchToKeyboard(id);
            return;
        }
    }
    say("⚠️ Could not find keyboard matching target layout '" + std::string(targetID) +
        "' in selected keyboards");
}

bool AccessibilityService::switchToKeyboard(std::string_view id) {
    say("🔄 Attempting to switch to keyboard: " + std::string(id));
    const auto sources = m_inputSources.enabledSources();
    if (!sources) {
        say("❌ Could not get input source list");
        return false;
    }
    for (const platform::InputSource& source : *sources) {
        if (source.id.empty() || source.id != id) {
            continue;
        }
        const platform::SelectStatus status = m_inputSources.selectSource(source.id);
        if (status != platform::SelectStatus::selected) {
            say("❌ Failed to switch. Error: " + std::string(platform::selectStatusName(status)));
            return false;
        }
        say("✅ Successfully switched to: " + std::string(id));
        return true;
    }
    say("❌ Keyboard not found: " + std::string(id));
    return false;
}

}  // namespace korrelang::service
