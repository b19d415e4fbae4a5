#include "key_code_monitor.h"

#include <algorithm>
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
using platform::Modifier;

struct LatinKey {
    platform::KeyCode key;
    const char* plain;
    const char* shifted;
};

// The US (ANSI) keyboard: letters, digits, the punctuation keys that every catalogue layout
// has, and the keys that type white space or nothing.
constexpr std::array<LatinKey, 48> kLatinKeys{{
    {KEY_A, "a", "A"},         {KEY_S, "s", "S"},       {KEY_D, "d", "D"},
    {KEY_F, "f", "F"},         {KEY_H, "h", "H"},       {KEY_G, "g", "G"},
    {KEY_Z, "z", "Z"},         {KEY_X, "x", "X"},       {KEY_C, "c", "C"},
    {KEY_V, "v", "V"},         {KEY_B, "b", "B"},       {KEY_Q, "q", "Q"},
    {KEY_W, "w", "W"},         {KEY_E, "e", "E"},       {KEY_R, "r", "R"},
    {KEY_Y, "y", "Y"},         {KEY_T, "t", "T"},       {KEY_O, "o", "O"},
    {KEY_U, "u", "U"},         {KEY_I, "i", "I"},       {KEY_P, "p", "P"},
    {KEY_L, "l", "L"},         {KEY_J, "j", "J"},       {KEY_K, "k", "K"},
    {KEY_N, "n", "N"},         {KEY_M, "m", "M"},       {KEY_1, "1", "!"},
    {KEY_2, "2", "@"},         {KEY_3, "3", "#"},       {KEY_4, "4", "$"},
    {KEY_5, "5", "%"},         {KEY_6, "6", "^"},       {KEY_7, "7", "&"},
    {KEY_8, "8", "*"},         {KEY_9, "9", "("},       {KEY_0, "0", ")"},
    {KEY_EQUAL, "=", "+"},     {KEY_MINUS, "-", "_"},   {KEY_APOSTROPHE, "'", "\""},
    {KEY_SEMICOLON, ";", ":"}, {KEY_COMMA, ",", "<"},   {KEY_SLASH, "/", "?"},
    {KEY_DOT, ".", ">"},       {KEY_SPACE, " ", " "},   {KEY_ENTER, "\n", "\n"},
    {KEY_TAB, "\t", "\t"},     {KEY_BACKSPACE, "", ""}, {KEY_ESC, "", ""},
}};

constexpr std::array<platform::KeyCode, 9> kModifierKeys{
    KEY_LEFTSHIFT, KEY_RIGHTSHIFT, KEY_LEFTCTRL,  KEY_RIGHTCTRL, KEY_LEFTALT,
    KEY_RIGHTALT,  KEY_LEFTMETA,   KEY_RIGHTMETA, KEY_CAPSLOCK};

constexpr std::array<std::string_view, 12> kCaselessFragments{
    "hebrew", "il", "arabic", "ar", "persian", "fa", "thai", "th", "hindi", "hi", "korean", "ko"};

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
        m_isActive = false;
    }
    logLine("⏹️ Monitor stopped");
}

bool KeyCodeMonitor::createHook() {
    if (m_isActive) {
        return true;
    }
    const bool started = m_interceptor.start(
        [](const std::string& layoutID) { return isCaselessLayout(layoutID); },
        [this](platform::KeyCode key, platform::Modifiers flags) { return intercept(key, flags); });
    m_isActive = started;
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

std::optional<std::string> KeyCodeMonitor::intercept(platform::KeyCode key,
                                                     platform::Modifiers flags) const {
    if (!m_settings.isEnabled() || flags.held() != Modifier::Shift) {
        return std::nullopt;
    }
    if (std::find(kModifierKeys.begin(), kModifierKeys.end(), key) != kModifierKeys.end()) {
        return std::nullopt;
    }
    const auto character = latinKeyCharacter(key, Modifier::Shift);
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
                                                             platform::Modifiers flags) {
    for (const LatinKey& entry : kLatinKeys) {
        if (entry.key != key) {
            continue;
        }
        const bool shift = flags.has(Modifier::Shift);
        const bool caps = flags.has(Modifier::CapsLock);
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
