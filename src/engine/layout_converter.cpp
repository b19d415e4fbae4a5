#include "layout_converter.h"

#include <array>
#include <span>
#include <utility>

#include "character_classifier.h"
#include "grapheme_cursor.h"
#include "hangul.h"
#include "log.h"
#include "log_format.h"
#include "log_sink.h"
#include "spelling_pick.h"
#include "target_keys.h"
#include "unicode.h"

namespace korrelang::engine {

namespace {

constexpr std::size_t kLoggedPrefixCharacters = 50;

// Calls `visit(character, single)` for the cluster, or, when the cluster is whitespace carrying
// marks (a space followed by a vowel sign: what typing a word that starts with a mark key gives),
// for the whitespace and then each character of the rest, so the marks are converted too.
template <typename Visit>
void visitCharacters(std::string_view cluster, char32_t single, Visit&& visit) {
    if (single == GraphemeCursor::kSeveral) {
        const char32_t first = unicode::firstCodePoint(cluster);
        if (unicode::isWhitespace(first)) {
            std::string lead;
            unicode::appendCodePoint(lead, first);
            visit(cluster.substr(0, lead.size()), first);
            GraphemeCursor rest(cluster.substr(lead.size()));
            std::string_view character;
            char32_t restSingle = 0;
            while (rest.next(character, restSingle)) {
                visit(character, restSingle);
            }
            return;
        }
    }
    visit(cluster, single);
}

// Walks the characters of valid UTF-8 text: `onAscii(byte)` for each lone ASCII character (the
// bulk of most texts, handled without segmentation), `onCharacter(character, single)` for the
// rest, split as visitCharacters does.
template <typename OnAscii, typename OnCharacter>
void forEachCharacter(std::string_view text, OnAscii&& onAscii, OnCharacter&& onCharacter) {
    GraphemeCursor cursor(text);
    std::string_view cluster;
    char32_t single = 0;
    std::size_t position = 0;
    while (position < text.size()) {
        if (GraphemeCursor::isLoneAscii(text, position)) {
            onAscii(static_cast<unsigned char>(text[position++]));
            continue;
        }
        cursor.seek(position);
        cursor.next(cluster, single);
        position = cursor.position();
        visitCharacters(cluster, single, onCharacter);
    }
}

// Converts one character through the source's keys: `onKey(code)` for each key that types it
// (code = key code × 2 + shifted), or `onOther(character)` when it passes through unchanged.
template <typename OnKey, typename OnOther>
void convertCharacter(std::string_view unit, char32_t codePoint, const KeyboardMapping& source,
                      const CharacterClassifier& classifier, ClassifiedCharacter& character,
                      OnKey&& onKey, OnOther&& onOther) {
    const std::span<const std::int8_t> keys = source.keysByNumber();
    const auto keyOf = [&keys](std::int32_t number) -> std::int8_t {
        return number >= 0 && static_cast<std::size_t>(number) < keys.size()
                   ? keys[static_cast<std::size_t>(number)]
                   : std::int8_t{-1};
    };
    classifier.classify(unit, codePoint, character);
    if (!character.whitespace) {
        if (const std::int8_t key = keyOf(character.folded); key >= 0) {
            onKey(key);
            return;
        }
        if (!character.pieces.empty() && character.typedBy(source)) {
            for (const std::int32_t piece : character.pieces) {
                onKey(keyOf(piece));
            }
            return;
        }
    }
    onOther(unit);
}

}  // namespace

char32_t LayoutConverter::foldQuote(char32_t codePoint) {
    switch (codePoint) {
        case 0x05F3:  // Hebrew geresh
        case 0x2018:
        case 0x2019:
            return U'\'';
        case 0x05F4:  // Hebrew gershayim
        case 0x201C:
        case 0x201D:
        case 0x00AB:
        case 0x00BB:
            return U'"';
        default:
            return codePoint;
    }
}

LayoutConverter::Scores LayoutConverter::score(
    std::string_view text, const std::vector<KeyboardMapping>& candidates) const {
    Scores scores;
    scores.matched.assign(candidates.size(), 0);
    if (candidates.empty()) {
        return scores;
    }
    // Candidates normally share the registry's index; any that do not are classified apart.
    const CharacterIndex& primary = candidates.front().characterIndex();
    struct Candidate {
        std::span<const std::int8_t> keys;
        bool sharesIndex;
        bool types(std::int32_t number) const {
            return number >= 0 && static_cast<std::size_t>(number) < keys.size() &&
                   keys[static_cast<std::size_t>(number)] >= 0;
        }
    };
    std::vector<Candidate> views;
    for (const KeyboardMapping& candidate : candidates) {
        views.push_back({candidate.keysByNumber(), &candidate.characterIndex() == &primary});
    }

    // Lone ASCII characters, the bulk of most texts, are only counted here and scored at the end.
    std::array<std::size_t, 128> asciiCounts{};
    const CharacterClassifier classifier(primary);
    ClassifiedCharacter character;
    ClassifiedCharacter other;
    const auto countAscii = [&asciiCounts](unsigned char byte) { ++asciiCounts[byte]; };
    forEachCharacter(text, countAscii, [&](std::string_view unit, char32_t codePoint) {
        classifier.classify(unit, codePoint, character);
        if (character.whitespace) {
            return;
        }
        ++scores.counted;
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            if (!views[i].sharesIndex) {
                CharacterClassifier(candidates[i].characterIndex()).classify(unit, other);
                scores.matched[i] += other.typedBy(candidates[i]) ? 1 : 0;
            } else if (views[i].types(character.number)) {
                ++scores.matched[i];
            } else if (!character.pieces.empty()) {
                scores.matched[i] += character.typedBy(candidates[i]) ? 1 : 0;
            }
        }
    });

    for (std::size_t byte = 0; byte < asciiCounts.size(); ++byte) {
        if (asciiCounts[byte] == 0 || byte == ' ' || (byte >= 0x09 && byte <= 0x0D)) {
            continue;
        }
        scores.counted += asciiCounts[byte];
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            const std::int32_t number =
                candidates[i].characterIndex().findCodePoint(static_cast<char32_t>(byte));
            if (views[i].types(number)) {
                scores.matched[i] += asciiCounts[byte];
            }
        }
    }
    return scores;
}

std::optional<KeyboardMapping> LayoutConverter::pickSource(
    const Scores& scores, const std::vector<KeyboardMapping>& candidates) const {
    const bool logging = LogSink::active();
    if (scores.counted == 0) {
        Log::write("🔍 DetectSource: empty text after filtering");
        return std::nullopt;
    }
    if (logging) {
        Log::write("🔍 DetectSource: scoring " + std::to_string(scores.counted) + " chars against " +
                   std::to_string(candidates.size()) + " candidates:");
    }
    std::optional<std::size_t> best;
    double bestScore = 0.0;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const double value =
            static_cast<double>(scores.matched[i]) / static_cast<double>(scores.counted);
        if (logging) {
            Log::write("   " + candidates[i].displayName() + ": " +
                       std::to_string(scores.matched[i]) + "/" + std::to_string(scores.counted) +
                       " = " + LogFormat::percent(value));
        }
        if (bestScore < value) {
            best = i;
            bestScore = value;
        }
    }
    if (!best || !(bestScore > 0.5)) {
        Log::write("🔍 DetectSource: best score " + LogFormat::percent(bestScore) +
                   " < 50% threshold - FAILED");
        return std::nullopt;
    }
    if (logging) {
        Log::write("🔍 DetectSource: winner = " + candidates[*best].displayName() + " (" +
                   LogFormat::percent(bestScore) + ")");
    }
    return candidates[*best];
}

std::optional<KeyboardMapping> LayoutConverter::detectSource(
    std::string_view text, const std::vector<KeyboardMapping>& candidates) const {
    if (!unicode::isValidUtf8(text)) {
        Log::write("🔍 DetectSource: text is not valid UTF-8");
        return std::nullopt;
    }
    return pickSource(score(text, candidates), candidates);
}

std::optional<KeyboardMapping> LayoutConverter::determineTarget(
    const KeyboardMapping& source, const std::vector<KeyboardMapping>& candidates,
    const std::optional<std::string>& activeLayoutID,
    const std::optional<std::string>& preferredTargetID) const {
    std::vector<KeyboardMapping> targets;
    for (const KeyboardMapping& candidate : candidates) {
        if (candidate.id() != source.id()) {
            targets.push_back(candidate);
        }
    }
    if (targets.empty()) {
        Log::write("🎯 DetermineTarget: no targets after removing source '" + source.displayName() +
                   "'");
        return std::nullopt;
    }
    Log::write("🎯 DetermineTarget: " + std::to_string(targets.size()) +
               " possible targets: " + LogFormat::displayNames(targets) +
               ", activeLayout=" + LogFormat::optional(activeLayoutID) +
               ", preferred=" + LogFormat::optional(preferredTargetID));

    if (preferredTargetID) {
        for (const KeyboardMapping& target : targets) {
            if (target.id() == *preferredTargetID) {
                Log::write("🎯 DetermineTarget: using preferred (cycling) → " +
                           target.displayName());
                return target;
            }
        }
    }
    if (targets.size() == 1) {
        Log::write("🎯 DetermineTarget: only one target → " + targets.front().displayName());
        return targets.front();
    }
    if (activeLayoutID) {
        const auto active = KeyboardMappingRegistry::firstMatch(
            targets, KeyboardMappingRegistry::splitLayoutID(*activeLayoutID));
        if (active) {
            Log::write("🎯 DetermineTarget: active keyboard matches → " + active->displayName());
            return active;
        }
    }
    Log::write("🎯 DetermineTarget: fallback to first target → " + targets.front().displayName());
    return targets.front();
}

std::string LayoutConverter::convertValid(std::string_view text, const KeyboardMapping& source,
                                          const KeyboardMapping& target) const {
    std::string converted = mapValidCharacters(text, source, target);
    if (!source.isCaseSensitive() && target.isCaseSensitive()) {
        converted = capitalizeValidSentences(converted);
    }
    return converted;
}

std::string LayoutConverter::mapCharacters(std::string_view text, const KeyboardMapping& source,
                                           const KeyboardMapping& target) const {
    if (!unicode::isValidUtf8(text)) {
        return std::string(text);
    }
    return mapValidCharacters(text, source, target);
}

std::string LayoutConverter::mapValidCharacters(std::string_view text,
                                                const KeyboardMapping& source,
                                                const KeyboardMapping& target) const {
    if (target.id() == "korean") {
        return mapIntoHangul(text, source, target);
    }
    const TargetKeys keys(target);
    const CharacterClassifier classifier(source.characterIndex());

    // What each lone ASCII character becomes, decided once.
    std::array<OutputBuffer::Piece, 128> ascii;
    ClassifiedCharacter character;
    for (std::size_t byte = 0; byte < ascii.size(); ++byte) {
        const char value = static_cast<char>(byte);
        OutputBuffer::Piece& piece = ascii[byte];
        convertCharacter(
            std::string_view(&value, 1), static_cast<char32_t>(byte), source, classifier, character,
            [&](std::int8_t key) { piece = OutputBuffer::piece(keys.text(key)); },
            [&](std::string_view unit) { piece = OutputBuffer::piece(unit); });
    }

    OutputBuffer out(text.size() + text.size() / 2);
    const auto appendAscii = [&out, &ascii](unsigned char byte) { out.append(ascii[byte]); };
    const auto appendKey = [&out, &keys](std::int8_t key) { keys.append(out, key); };
    const auto appendOther = [&out](std::string_view unit) { out.append(unit); };
    forEachCharacter(text, appendAscii, [&](std::string_view unit, char32_t codePoint) {
        convertCharacter(unit, codePoint, source, classifier, character, appendKey, appendOther);
    });
    return out.take();
}

std::string LayoutConverter::mapIntoHangul(std::string_view text, const KeyboardMapping& source,
                                           const KeyboardMapping& target) const {
    const TargetKeys keys(target);
    const CharacterClassifier classifier(source.characterIndex());
    std::string out;
    out.reserve(text.size() * 2);
    HangulComposer composer(out);
    // Single jamo go to the composer; anything else ends the syllable being composed.
    const auto append = [&](std::string_view piece) {
        const char32_t first = unicode::firstCodePoint(piece);
        if (Hangul::isJamo(first) && unicode::codePointCount(piece) == 1) {
            composer.push(first);
        } else {
            composer.flush();
            out += piece;
        }
    };
    const auto appendKey = [&](std::int8_t key) { append(keys.text(key)); };
    const auto appendOther = [&](std::string_view unit) {
        composer.flush();
        out += unit;
    };
    ClassifiedCharacter character;
    const auto convert = [&](std::string_view unit, char32_t codePoint) {
        convertCharacter(unit, codePoint, source, classifier, character, appendKey, appendOther);
    };
    const auto convertAscii = [&](unsigned char byte) {
        const char value = static_cast<char>(byte);
        convert(std::string_view(&value, 1), byte);
    };
    forEachCharacter(text, convertAscii, convert);
    composer.flush();
    return out;
}

std::string LayoutConverter::capitalizeSentences(std::string_view text) {
    if (!unicode::isValidUtf8(text)) {
        return std::string(text);
    }
    return capitalizeValidSentences(text);
}

std::string LayoutConverter::capitalizeValidSentences(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool capitalizeNext = true;
    GraphemeCursor cursor(text);
    std::string_view cluster;
    while (cursor.next(cluster)) {
        if (capitalizeNext && unicode::isAlphabetic(unicode::firstCodePoint(cluster))) {
            out += unicode::toUpper(cluster);
            capitalizeNext = false;
            continue;
        }
        out += cluster;
        if (cluster == "." || cluster == "!" || cluster == "?") {
            capitalizeNext = true;
        }
    }
    return out;
}

std::optional<ConversionResult> LayoutConverter::convert(
    std::string_view text, const std::vector<std::string>& layouts,
    const std::optional<std::string>& activeLayoutID,
    const std::optional<std::string>& preferredTargetID) const {
    const bool logging = LogSink::active();
    const bool valid = unicode::isValidUtf8(text);
    if (logging) {
        LogLine line("convert() called - text='");
        if (valid) {
            const std::string_view prefix = GraphemeCursor::prefix(text, kLoggedPrefixCharacters);
            line.appendUserText(prefix, GraphemeCursor::count(prefix));
            line << "' (" << std::to_string(GraphemeCursor::count(text)) << " chars)";
        } else {
            line << "' (invalid UTF-8, " << std::to_string(text.size()) << " bytes)";
        }
        line << ", layouts=" << LogFormat::list(layouts)
             << ", active=" << LogFormat::optional(activeLayoutID)
             << ", preferred=" << LogFormat::optional(preferredTargetID);
        LogSink::write(line);
    }
    if (!valid) {
        Log::write("FAIL: Text is not valid UTF-8");
        return std::nullopt;
    }

    const std::vector<KeyboardMapping> candidates = m_registry.mappingsFor(layouts);
    if (candidates.size() < 2) {
        Log::write("FAIL: Need ≥2 recognized keyboards, got " + std::to_string(candidates.size()) +
                   ". Layouts: " + LogFormat::list(layouts));
        return std::nullopt;
    }
    if (logging) {
        Log::write("Candidates: " + LogFormat::displayNames(candidates));
    }

    // The scores are computed once and reported twice: as the overview and by detection.
    const Scores scores = score(text, candidates);
    if (logging) {
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            Log::write("  Score " + candidates[i].displayName() + ": " +
                       std::to_string(scores.matched[i]) + "/" + std::to_string(scores.counted) +
                       " = " + LogFormat::percent(scores.matched[i], scores.counted));
        }
    }
    const auto source = pickSource(scores, candidates);
    if (!source) {
        Log::write("FAIL: Could not detect source - no candidate scored >50%");
        return std::nullopt;
    }
    std::optional<SpellingPick::Pick> pick;
    if (m_words != nullptr) {
        const SpellingPick spelling(*m_words,
                                    [&](const KeyboardMapping& from, const KeyboardMapping& to) {
                                        return convertValid(text, from, to);
                                    });
        pick = spelling.choose(text, scores.matched, candidates, *source, activeLayoutID,
                               preferredTargetID);
    }
    if (!pick) {
        auto target = determineTarget(*source, candidates, activeLayoutID, preferredTargetID);
        if (!target) {
            Log::write("FAIL: Could not determine target");
            return std::nullopt;
        }
        pick = SpellingPick::Pick{*source, std::move(*target)};
    }
    if (logging) {
        Log::write("OK: " + pick->source.displayName() + " → " + pick->target.displayName());
    }

    return ConversionResult{convertValid(text, pick->source, pick->target),
                            pick->source.displayName(), pick->target.displayName(),
                            pick->source.id(), pick->target.id()};
}

}  // namespace korrelang::engine
