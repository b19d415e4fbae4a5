#include "layout_converter.h"

#include <array>
#include <utility>

#include "character_classifier.h"
#include "grapheme_cursor.h"
#include "hangul.h"
#include "log_format.h"
#include "log_sink.h"
#include "unicode.h"

namespace korrelang::engine {

namespace {

constexpr std::size_t kLoggedPrefixCharacters = 50;

constexpr std::array<std::pair<char32_t, char32_t>, 8> kQuoteFolding = {{
    {0x05F3, U'\''},  // Hebrew geresh
    {0x05F4, U'"'},   // Hebrew gershayim
    {0x2019, U'\''},
    {0x2018, U'\''},
    {0x201C, U'"'},
    {0x201D, U'"'},
    {0x00AB, U'"'},
    {0x00BB, U'"'},
}};

void log(std::string line) { LogSink::write(LogLine(line)); }

// Appends what the target types on `key`; composes jamo into syllables when one is given.
void appendKeyText(std::string& out, const KeyboardMapping& target, KeyPosition key,
                   HangulComposer* composer) {
    const KeyTexts* texts = target.keyTexts(key.keyCode);
    if (texts == nullptr) {
        return;
    }
    const std::string& text = key.shifted ? texts->shifted : texts->normal;
    if (composer != nullptr) {
        const char32_t first = unicode::firstCodePoint(text);
        if (Hangul::isJamo(first) && unicode::codePointCount(text) == 1) {
            composer->push(first);
            return;
        }
        composer->flush();
    }
    out += text;
}

}  // namespace

char32_t LayoutConverter::foldQuote(char32_t codePoint) {
    for (const auto& [from, to] : kQuoteFolding) {
        if (from == codePoint) {
            return to;
        }
    }
    return codePoint;
}

LayoutConverter::Scores LayoutConverter::score(
    std::string_view text, const std::vector<KeyboardMapping>& candidates) const {
    Scores scores;
    scores.matched.assign(candidates.size(), 0);
    if (candidates.empty()) {
        return scores;
    }
    // Candidates normally share the registry's index; any that do not get their own pass.
    const CharacterIndex* primary = &candidates.front().characterIndex();
    const CharacterClassifier classifier(*primary);
    ClassifiedCharacter character;
    ClassifiedCharacter other;
    GraphemeCursor cursor(text);
    std::string_view cluster;
    while (cursor.next(cluster)) {
        classifier.classify(cluster, character);
        if (character.whitespace) {
            continue;
        }
        ++scores.counted;
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            const CharacterIndex& index = candidates[i].characterIndex();
            if (&index == primary) {
                scores.matched[i] += character.typedBy(candidates[i]) ? 1 : 0;
            } else {
                CharacterClassifier(index).classify(cluster, other);
                scores.matched[i] += other.typedBy(candidates[i]) ? 1 : 0;
            }
        }
    }
    return scores;
}

std::optional<KeyboardMapping> LayoutConverter::pickSource(
    const Scores& scores, const std::vector<KeyboardMapping>& candidates) const {
    const bool logging = LogSink::active();
    if (scores.counted == 0) {
        log("🔍 DetectSource: empty text after filtering");
        return std::nullopt;
    }
    if (logging) {
        log("🔍 DetectSource: scoring " + std::to_string(scores.counted) + " chars against " +
            std::to_string(candidates.size()) + " candidates:");
    }
    std::optional<std::size_t> best;
    double bestScore = 0.0;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const double value =
            static_cast<double>(scores.matched[i]) / static_cast<double>(scores.counted);
        if (logging) {
            log("   " + candidates[i].displayName() + ": " + std::to_string(scores.matched[i]) +
                "/" + std::to_string(scores.counted) + " = " + LogFormat::percent(value));
        }
        if (bestScore < value) {
            best = i;
            bestScore = value;
        }
    }
    if (!best || !(bestScore > 0.5)) {
        log("🔍 DetectSource: best score " + LogFormat::percent(bestScore) +
            " < 50% threshold - FAILED");
        return std::nullopt;
    }
    if (logging) {
        log("🔍 DetectSource: winner = " + candidates[*best].displayName() + " (" +
            LogFormat::percent(bestScore) + ")");
    }
    return candidates[*best];
}

std::optional<KeyboardMapping> LayoutConverter::detectSource(
    std::string_view text, const std::vector<KeyboardMapping>& candidates) const {
    if (!unicode::isValidUtf8(text)) {
        log("🔍 DetectSource: text is not valid UTF-8");
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
        log("🎯 DetermineTarget: no targets after removing source '" + source.displayName() +
            "'");
        return std::nullopt;
    }
    log("🎯 DetermineTarget: " + std::to_string(targets.size()) + " possible targets: " +
        LogFormat::displayNames(targets) + ", activeLayout=" + LogFormat::optional(activeLayoutID) +
        ", preferred=" + LogFormat::optional(preferredTargetID));

    if (preferredTargetID) {
        for (const KeyboardMapping& target : targets) {
            if (target.id() == *preferredTargetID) {
                log("🎯 DetermineTarget: using preferred (cycling) → " + target.displayName());
                return target;
            }
        }
    }
    if (targets.size() == 1) {
        log("🎯 DetermineTarget: only one target → " + targets.front().displayName());
        return targets.front();
    }
    if (activeLayoutID) {
        const auto active = KeyboardMappingRegistry::firstMatch(
            targets, KeyboardMappingRegistry::splitLayoutID(*activeLayoutID));
        if (active) {
            log("🎯 DetermineTarget: active keyboard matches → " + active->displayName());
            return active;
        }
    }
    log("🎯 DetermineTarget: fallback to first target → " + targets.front().displayName());
    return targets.front();
}

std::string LayoutConverter::mapCharacters(std::string_view text, const KeyboardMapping& source,
                                           const KeyboardMapping& target) const {
    std::string out;
    if (!unicode::isValidUtf8(text)) {
        return std::string(text);
    }
    out.reserve(text.size() + text.size() / 2);
    std::optional<HangulComposer> composer;
    if (target.id() == "korean") {
        composer.emplace(out);
    }
    HangulComposer* const compose = composer ? &*composer : nullptr;

    const CharacterClassifier classifier(source.characterIndex());
    ClassifiedCharacter character;
    GraphemeCursor cursor(text);
    std::string_view cluster;
    while (cursor.next(cluster)) {
        classifier.classify(cluster, character);
        if (!character.whitespace) {
            if (const auto key = source.keyForNumber(character.folded)) {
                appendKeyText(out, target, *key, compose);
                continue;
            }
            if (!character.pieces.empty() && character.typedBy(source)) {
                for (const std::int32_t piece : character.pieces) {
                    appendKeyText(out, target, *source.keyForNumber(piece), compose);
                }
                continue;
            }
        }
        if (compose != nullptr) {
            compose->flush();
        }
        out += cluster;
    }
    if (compose != nullptr) {
        compose->flush();
    }
    return out;
}

std::string LayoutConverter::capitalizeSentences(std::string_view text) {
    if (!unicode::isValidUtf8(text)) {
        return std::string(text);
    }
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
            const std::string_view prefix =
                GraphemeCursor::prefix(text, kLoggedPrefixCharacters);
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
        log("FAIL: Text is not valid UTF-8");
        return std::nullopt;
    }

    const std::vector<KeyboardMapping> candidates = m_registry.mappingsFor(layouts);
    if (candidates.size() < 2) {
        log("FAIL: Need ≥2 recognized keyboards, got " + std::to_string(candidates.size()) +
            ". Layouts: " + LogFormat::list(layouts));
        return std::nullopt;
    }
    if (logging) {
        log("Candidates: " + LogFormat::displayNames(candidates));
    }

    // The scores are computed once and reported twice: as the overview and by detection.
    const Scores scores = score(text, candidates);
    if (logging) {
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            log("  Score " + candidates[i].displayName() + ": " +
                std::to_string(scores.matched[i]) + "/" + std::to_string(scores.counted) + " = " +
                LogFormat::percent(scores.matched[i], scores.counted));
        }
    }
    const auto source = pickSource(scores, candidates);
    if (!source) {
        log("FAIL: Could not detect source - no candidate scored >50%");
        return std::nullopt;
    }
    const auto target = determineTarget(*source, candidates, activeLayoutID, preferredTargetID);
    if (!target) {
        log("FAIL: Could not determine target");
        return std::nullopt;
    }
    if (logging) {
        log("OK: " + source->displayName() + " → " + target->displayName());
    }

    std::string converted = mapCharacters(text, *source, *target);
    if (!source->isCaseSensitive() && target->isCaseSensitive()) {
        converted = capitalizeSentences(converted);
    }
    return ConversionResult{std::move(converted), source->displayName(), target->displayName(),
                            source->id(), target->id()};
}

}  // namespace korrelang::engine
