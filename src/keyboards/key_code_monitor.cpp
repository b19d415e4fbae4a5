#include "key_code_monitor.h"

#include <array>

#include "engine/keyboard_mapping_registry.h"
#include "engine/log.h"
#include "engine/unicode.h"
#include "platform/key_interceptor.h"
#include "platform/log.h"
#include "platform/workspace.h"
#include "settings/settings.h"

namespace korrelang::keyboards {

namespace {

using platform::logLine;
namespace Flag = platform::ModifierFlag;

struct LatinKey {
    platform::KeyCode key;
    const char* plain;
    const char* shifted;
};

// The US (ANSI) keyboard: letters, digits, the punctuation keys that every catalogue layout
// has, and the keys that type white space or nothing.
constexpr std::array<LatinKey, 48> kLatinKeys{{
    {0, "a", "A"},    {1, "s", "S"},  {2, "d", "D"},  {3, "f", "F"},   {4, "h", "H"},
    {5, "g", "G"},    {6, "z", "Z"},  {7, "x", "X"},  {8, "c", "C"},   {9, "v", "V"},
    {11, "b", "B"},   {12, "q", "Q"}, {13, "w", "W"}, {14, "e", "E"},  {15, "r", "R"},
    {16, "y", "Y"},   {17, "t", "T"}, {31, "o", "O"}, {32, "u", "U"},  {34, "i", "I"},
    {35, "p", "P"},   {37, "l", "L"}, {38, "j", "J"}, {40, "k", "K"},  {45, "n", "N"},
    {46, "m", "M"},   {18, "1", "!"}, {19, "2", "@"}, {20, "3", "#"},  {21, "4", "$"},
    {23, "5", "%"},   {22, "6", "^"}, {26, "7", "&"}, {28, "8", "*"},  {25, "9", "("},
    {29, "0", ")"},   {24, "=", "+"}, {27, "-", "_"}, {39, "'", "\""}, {41, ";", ":"},
    {43, ",", "<"},   {44, "/", "?"}, {47, ".", ">"}, {49, " ", " "},  {36, "\n", "\n"},
    {48, "\t", "\t"}, {51, "", ""},   {53, "", ""},
}};

constexpr std::array<std::string_view, 12> kCaselessFragments{
    "hebrew", "il", "arabic", "ar", "persian", "fa", "thai", "th", "hindi", "hi", "korean", "ko"};

constexpr std::uint32_t kCommandKeys = Flag::shift | Flag::control | Flag::option | Flag::command;

}  // namespace

KeyCodeMonitor::KeyCodeMonitor(platform::KeyInterceptor& interceptor,
                               platform::Workspace& workspace, const settings::Settings& settings,
                               int retryIntervalMs, QObject* parent)
    : QObject(parent), m_interceptor(interceptor), m_workspace(workspace), m_settings(settings) {
    m_retryTimer.setInterval(retryIntervalMs);
    connect(&m_retryTimer, &QTimer::timeout, this, &KeyCodeMonitor::retry);
}

KeyCodeMonitor::~KeyCodeMonitor() {
    if (m_isActive) {
        m_interceptor.stop();
    }
}

void KeyCodeMonitor::startMonitor() {
    if (m_isActive) {
        return;
    }
    if (!m_settings.smartCapitalization()) {
        logLine("🚫 Smart Capitalization disabled in settings, not starting monitor");
        m_retryTimer.stop();
        return;
    }
    m_workspace.systemLog("🚀 Korrelang: Starting Smart Capitalization Monitor...");
    logLine("🚀 Starting Smart Capitalization Monitor...");
    if (createHook()) {
        m_retryTimer.stop();
        m_workspace.systemLog("✅ Korrelang: Smart Capitalization Monitor ACTIVE");
        logLine("✅ Smart Capitalization Monitor active");
        return;
    }
    m_workspace.systemLog("❌ Korrelang: Failed to create the key grab. Polling every 10s...");
    logLine("❌ Failed to create the key grab. Will keep retrying every 10s...");
    logLine("   💡 Grant permission in your desktop's accessibility settings");
    if (!m_retryTimer.isActive()) {
        m_retryTimer.start();
    }
}

void KeyCodeMonitor::stopMonitor() {
    m_retryTimer.stop();
    if (m_isActive) {
        m_interceptor.stop();
        setActive(false);
    }
    logLine("⏹️ Monitor stopped");
}

bool KeyCodeMonitor::createHook() {
    if (m_isActive) {
        return true;
    }
    const bool started = m_interceptor.start(
        [](const std::string& layoutID) { return isCaselessLayout(layoutID); },
        [this](platform::KeyCode key, std::uint32_t flags) { return intercept(key, flags); });
    if (started) {
        setActive(true);
    }
    return started;
}

void KeyCodeMonitor::retry() {
    if (m_settings.smartCapitalization()) {
        m_workspace.systemLog("🔄 Korrelang: Retrying key grab creation...");
        logLine("🔄 Retrying key grab creation...");
        if (!createHook()) {
            return;
        }
        m_workspace.systemLog("✅ Korrelang: Smart Capitalization Monitor ACTIVE (after retry)");
        logLine("✅ Smart Capitalization Monitor active (after retry)");
    }
    m_retryTimer.stop();
}

void KeyCodeMonitor::setActive(bool active) {
    if (m_isActive != active) {
        m_isActive = active;
        emit isRunningChanged();
    }
}

std::optional<std::string> KeyCodeMonitor::intercept(platform::KeyCode key,
                                                     std::uint32_t flags) const {
    if (!m_settings.isEnabled() || (flags & kCommandKeys) != Flag::shift) {
        return std::nullopt;
    }
    if (key >= platform::Key::rightCommand && key <= platform::Key::function) {
        return std::nullopt;
    }
    const auto character = latinKeyCharacter(key, Flag::shift);
    if (!character) {
        return std::nullopt;
    }
    if (character->size() != 1 || !engine::unicode::isAlphabetic(char32_t((*character)[0])) ||
        engine::unicode::toUpper(*character) != *character) {
        return std::nullopt;
    }
    // What the user types is theirs: never in the system log, and in ours only with debug on.
    const std::string code = std::to_string(key);
    m_workspace.systemLog("⚡️ Korrelang: Smart Capitalization: Intercepted Shift+key");
    engine::Log::writeUserText("⚡️ Smart Capitalization: Intercepted Shift+",
                               code + " -> '" + *character + "'", "");
    return character;
}

bool KeyCodeMonitor::isCaselessLayout(std::string_view layoutID) {
    if (const auto mapping = engine::KeyboardMappingRegistry::shared().mappingFor(layoutID)) {
        return !mapping->isCaseSensitive();
    }
    const std::string lowered = engine::unicode::toLower(layoutID);
    for (const std::string_view fragment : kCaselessFragments) {
        if (lowered.find(fragment) != std::string::npos) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> KeyCodeMonitor::latinKeyCharacter(platform::KeyCode key,
                                                             std::uint32_t flags) {
    for (const LatinKey& entry : kLatinKeys) {
        if (entry.key != key) {
            continue;
        }
        const bool shift = flags & Flag::shift;
        const bool caps = flags & Flag::capsLock;
        const std::string character = shift != caps ? entry.shifted : entry.plain;
        engine::Log::writeUserText(std::string("⌨️ Key + Shift:") + (shift ? "true" : "false") +
                                       " Caps:" + (caps ? "true" : "false") + " → '",
                                   character, "'");
        return character;
    }
    logLine("⌨️ Unknown key code: " + std::to_string(key));
    return std::nullopt;
}

}  // namespace korrelang::keyboards
