#include "keyboard_mapping.h"

#include "grapheme_cursor.h"
#include "log_sink.h"
#include "unicode.h"

namespace korrelang::engine {

std::optional<KeyboardMapping> KeyboardMapping::create(std::string id, std::string displayName,
                                                       std::vector<std::string> layoutPatterns,
                                                       bool isRTL, bool isCaseSensitive,
                                                       std::vector<KeyEntry> keyMap,
                                                       std::shared_ptr<CharacterIndex> characters) {
    auto data = std::make_shared<Data>();
    data->keyIndex.fill(-1);
    for (std::size_t i = 0; i < keyMap.size(); ++i) {
        const KeyEntry& entry = keyMap[i];
        if (entry.keyCode >= kKeyCodeLimit) {
            LogSink::write(LogLine("❌ Layout '" + id + "': key code " +
                                   std::to_string(entry.keyCode) + " is out of range"));
            return std::nullopt;
        }
        if (data->keyIndex[entry.keyCode] >= 0) {
            LogSink::write(LogLine("❌ Layout '" + id + "': key code " +
                                   std::to_string(entry.keyCode) + " appears twice"));
            return std::nullopt;
        }
        if (!unicode::isValidUtf8(entry.texts.normal) ||
            !unicode::isValidUtf8(entry.texts.shifted)) {
            LogSink::write(LogLine("❌ Layout '" + id + "': key code " +
                                   std::to_string(entry.keyCode) + " has invalid UTF-8"));
            return std::nullopt;
        }
        data->keyIndex[entry.keyCode] = static_cast<int>(i);
    }
    if (!characters) {
        characters = std::make_shared<CharacterIndex>();
    }

    // The characters of every key text, split once: text i's characters are
    // pieces[firsts[i]] up to pieces[firsts[i + 1]].
    struct Text {
        KeyCode keyCode;
        bool shifted;
    };
    std::vector<Text> texts;
    std::vector<std::size_t> firsts;
    std::vector<std::string_view> pieces;
    texts.reserve(keyMap.size() * 2);
    firsts.reserve(keyMap.size() * 2 + 1);
    pieces.reserve(keyMap.size() * 2 + 8);
    for (const KeyEntry& entry : keyMap) {
        for (const bool shifted : {false, true}) {
            texts.push_back({entry.keyCode, shifted});
            firsts.push_back(pieces.size());
            GraphemeCursor cursor(shifted ? entry.texts.shifted : entry.texts.normal);
            std::string_view character;
            while (cursor.next(character)) {
                pieces.push_back(character);
            }
        }
    }
    firsts.push_back(pieces.size());
    data->charToKey.reserve(pieces.size());
    data->characterSet.reserve(pieces.size());

    // A key whose whole text is one character claims it before keys that type it as part of a
    // longer text (a lam-alef ligature, a two-part vowel sign), so "أ" is Shift+H in Arabic rather
    // than half of Shift+G's "لأ". Within each round: table order, unshifted before shifted.
    for (const bool singleCharacterTexts : {true, false}) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const Text& text = texts[i];
            if ((firsts[i + 1] - firsts[i] == 1) != singleCharacterTexts) {
                continue;
            }
            for (std::size_t c = firsts[i]; c < firsts[i + 1]; ++c) {
                const std::string_view character = pieces[c];
                if (unicode::isWhitespace(unicode::firstCodePoint(character))) {
                    continue;
                }
                std::string nfc = unicode::toNFC(character);
                const std::int32_t number = characters->intern(nfc);
                if (static_cast<std::size_t>(number) >= data->keyByNumber.size()) {
                    data->keyByNumber.resize(static_cast<std::size_t>(number) + 1, -1);
                }
                if (data->charToKey.emplace(nfc, KeyPosition{text.keyCode, text.shifted}).second) {
                    data->keyByNumber[static_cast<std::size_t>(number)] =
                        static_cast<std::int8_t>(text.keyCode * 2 + (text.shifted ? 1 : 0));
                }
                data->characterSet.insert(std::move(nfc));
            }
        }
    }

    data->id = std::move(id);
    data->displayName = std::move(displayName);
    data->layoutPatterns = std::move(layoutPatterns);
    data->isRTL = isRTL;
    data->isCaseSensitive = isCaseSensitive;
    data->keyMap = std::move(keyMap);
    data->characters = std::move(characters);
    return KeyboardMapping(std::move(data));
}

const KeyTexts* KeyboardMapping::keyTexts(KeyCode keyCode) const {
    if (keyCode >= kKeyCodeLimit || m_data->keyIndex[keyCode] < 0) {
        return nullptr;
    }
    return &m_data->keyMap[static_cast<std::size_t>(m_data->keyIndex[keyCode])].texts;
}

std::optional<KeyPosition> KeyboardMapping::keyFor(std::string_view character) const {
    if (!unicode::isValidUtf8(character)) {
        return std::nullopt;
    }
    const auto it = m_data->charToKey.find(unicode::toNFC(character));
    if (it == m_data->charToKey.end()) {
        return std::nullopt;
    }
    return it->second;
}

bool KeyboardMapping::types(std::string_view character) const {
    return keyFor(character).has_value();
}

bool KeyboardMapping::matchesLayoutID(std::string_view loweredID,
                                      std::string_view lastComponent) const {
    for (const std::string& pattern : m_data->layoutPatterns) {
        if (pattern == lastComponent || loweredID.ends_with(pattern)) {
            return true;
        }
    }
    return false;
}

bool KeyboardMapping::operator==(const KeyboardMapping& other) const {
    if (m_data == other.m_data) {
        return true;
    }
    return m_data->id == other.m_data->id && m_data->displayName == other.m_data->displayName &&
           m_data->layoutPatterns == other.m_data->layoutPatterns &&
           m_data->isRTL == other.m_data->isRTL &&
           m_data->isCaseSensitive == other.m_data->isCaseSensitive &&
           m_data->keyMap == other.m_data->keyMap;
}

}  // namespace korrelang::engine
