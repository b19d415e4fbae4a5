#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "character_index.h"
#include "key_code.h"

namespace korrelang::engine {

/// What one key types without and with Shift. Either text may be empty (the key types nothing)
/// or hold more than one character (a ligature key).
struct KeyTexts {
    std::string normal;
    std::string shifted;
    bool operator==(const KeyTexts&) const = default;
};

/// One key of a table with its texts, in the table's order.
struct KeyEntry {
    KeyCode keyCode = 0;
    KeyTexts texts;
    bool operator==(const KeyEntry&) const = default;
};

/// The key, and the Shift state, that types a character.
struct KeyPosition {
    KeyCode keyCode = 0;
    bool shifted = false;
    bool operator==(const KeyPosition&) const = default;
};

/// One catalogue keyboard layout: an immutable value, cheap to copy.
///
/// Characters are user-perceived characters (extended grapheme clusters); `charToKey` and
/// `characterSet` are keyed by the NFC form of each character, so canonically equivalent
/// spellings find the same key. Both are derived once from the key table: first every text that
/// is a single character, then the longer texts (ligatures, multi-part signs); within each round
/// keys in table order, a key's unshifted text before its shifted text. The first key to type a
/// character keeps it. Whitespace is never indexed.
class KeyboardMapping {
public:
    /// Builds a mapping and its derived indexes. Returns nothing (and logs) when the table names
    /// a key code twice, a key code is out of range or a text is not valid UTF-8.
    ///
    /// `characters` numbers the characters; mappings built on one shared index can be scored
    /// together with flat lookups (the registry builds all of its mappings on one). Without it
    /// the mapping gets an index of its own.
    static std::optional<KeyboardMapping> create(
        std::string id, std::string displayName, std::vector<std::string> layoutPatterns,
        bool isRTL, bool isCaseSensitive, std::vector<KeyEntry> keyMap,
        std::shared_ptr<CharacterIndex> characters = nullptr);

    const std::string& id() const { return m_data->id; }
    const std::string& displayName() const { return m_data->displayName; }
    const std::vector<std::string>& layoutPatterns() const { return m_data->layoutPatterns; }
    bool isRTL() const { return m_data->isRTL; }
    bool isCaseSensitive() const { return m_data->isCaseSensitive; }
    /// The key table in its own order.
    const std::vector<KeyEntry>& keyMap() const { return m_data->keyMap; }
    /// What `keyCode` types, or nothing when the table lacks that key.
    const KeyTexts* keyTexts(KeyCode keyCode) const;

    /// NFC character → the key that types it.
    const std::unordered_map<std::string, KeyPosition>& charToKey() const {
        return m_data->charToKey;
    }
    /// NFC characters that some key types.
    const std::unordered_set<std::string>& characterSet() const { return m_data->characterSet; }

    /// The key that types `character` (any normalisation form), if any.
    std::optional<KeyPosition> keyFor(std::string_view character) const;
    /// Whether some key types `character` (any normalisation form).
    bool types(std::string_view character) const;

    /// Whether `pattern` (lower case) matches the identifier: it equals the identifier's last
    /// "."-separated component or ends the lowered identifier.
    bool matchesLayoutID(std::string_view loweredID, std::string_view lastComponent) const;

    /// The index that numbers this mapping's characters.
    const CharacterIndex& characterIndex() const { return *m_data->characters; }
    /// The key that types the character numbered `number` in characterIndex(), if any.
    std::optional<KeyPosition> keyForNumber(std::int32_t number) const {
        if (number < 0 || static_cast<std::size_t>(number) >= m_data->keyByNumber.size()) {
            return std::nullopt;
        }
        const std::int8_t code = m_data->keyByNumber[static_cast<std::size_t>(number)];
        if (code < 0) {
            return std::nullopt;
        }
        return KeyPosition{static_cast<KeyCode>(code >> 1), (code & 1) != 0};
    }
    /// Per character number: key code × 2 + shifted, or -1 when no key types it. Numbers past
    /// the end are typed by no key of this layout.
    std::span<const std::int8_t> keysByNumber() const { return m_data->keyByNumber; }
    /// Whether some key types the character numbered `number`.
    bool typesNumber(std::int32_t number) const {
        return number >= 0 && static_cast<std::size_t>(number) < m_data->keyByNumber.size() &&
               m_data->keyByNumber[static_cast<std::size_t>(number)] >= 0;
    }

    /// Two mappings are equal when they are the same catalogue entry or equal in every field.
    bool operator==(const KeyboardMapping& other) const;

private:
    struct Data {
        std::string id;
        std::string displayName;
        std::vector<std::string> layoutPatterns;
        bool isRTL = false;
        bool isCaseSensitive = false;
        std::vector<KeyEntry> keyMap;
        std::array<int, kKeyCodeLimit> keyIndex{};  // key code → index into keyMap, or -1
        std::unordered_map<std::string, KeyPosition> charToKey;
        std::unordered_set<std::string> characterSet;
        std::shared_ptr<const CharacterIndex> characters;
        std::vector<std::int8_t> keyByNumber;  // character number → key code × 2 + shifted, or -1
    };

    explicit KeyboardMapping(std::shared_ptr<const Data> data) : m_data(std::move(data)) {}

    std::shared_ptr<const Data> m_data;
};

}  // namespace korrelang::engine
