#include "spelling_pick.h"

#include <algorithm>
#include <utility>

#include "grapheme_cursor.h"
#include "keyboard_mapping_registry.h"
#include "log.h"
#include "log_format.h"
#include "log_sink.h"
#include "unicode.h"
#include "word_share.h"

namespace korrelang::engine {

namespace {

// The word check decides only when the best result's share of letters in real words is at least
// the minimum and clearly ahead of every other target's: by the margin, or with at most half as
// many letters outside words and by the smaller margin. A target without a dictionary counts as
// the neutral share. Chosen with the accuracy benchmark (bench/spelling_accuracy).
constexpr double kMinimumWordShare = 0.3;
constexpr double kClearMargin = 0.25;
constexpr double kSmallMargin = 0.1;
constexpr double kNeutralWordShare = 0.5;

bool clearlyAhead(double best, double next) {
    const double missed = 1.0 - best;
    const double nextMissed = 1.0 - next;
    return best >= kMinimumWordShare && (best - next >= kClearMargin ||
                                         (nextMissed >= 2 * missed && best - next >= kSmallMargin));
}

// The mappings with the one the active input source resolves to moved to the front.
std::vector<KeyboardMapping> activeFirst(std::vector<KeyboardMapping> mappings,
                                         const std::optional<std::string>& activeLayoutID) {
    if (!activeLayoutID) {
        return mappings;
    }
    const auto active = KeyboardMappingRegistry::firstMatch(
        mappings, KeyboardMappingRegistry::splitLayoutID(*activeLayoutID));
    if (!active) {
        return mappings;
    }
    const auto found = std::find_if(mappings.begin(), mappings.end(), [&](const auto& mapping) {
        return mapping.id() == active->id();
    });
    std::rotate(mappings.begin(), found, found + 1);
    return mappings;
}

bool sameText(std::string_view a, std::string_view b) {
    return a == b || unicode::toNFC(a) == unicode::toNFC(b);
}

}  // namespace

SpellingPick::SpellingPick(const WordScorer& words, Convert convert)
    : m_words(words), m_convert(std::move(convert)) {}

std::optional<SpellingPick::Pick> SpellingPick::choose(
    std::string_view text, const std::vector<std::size_t>& matched,
    const std::vector<KeyboardMapping>& candidates, const KeyboardMapping& detected,
    const std::optional<std::string>& activeLayoutID,
    const std::optional<std::string>& preferredTargetID) const {
    // Every layout that types the text as well as the detected one could have typed it.
    std::vector<KeyboardMapping> sources;
    const std::size_t bestMatched = *std::max_element(matched.begin(), matched.end());
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (matched[i] == bestMatched) {
            sources.push_back(candidates[i]);
        }
    }
    // A single source with a single target, or with the preferred one, leaves nothing to
    // choose; the words are asked for only when there is a choice.
    const bool preferredIsCandidate =
        preferredTargetID &&
        std::any_of(candidates.begin(), candidates.end(),
                    [&](const auto& candidate) { return candidate.id() == *preferredTargetID; });
    if (sources.size() * (candidates.size() - 1) < 2 ||
        (preferredIsCandidate && sources.size() == 1) ||
        std::none_of(candidates.begin(), candidates.end(),
                     [this](const auto& candidate) { return m_words.covers(candidate.id()); })) {
        return std::nullopt;
    }
    sources = activeFirst(std::move(sources), activeLayoutID);
    const bool logging = LogSink::active();

    struct Judged {
        std::size_t source = 0;
        std::string text;
        bool identical = false;
        std::optional<WordShare> share;  // none: no dictionary for the target
    };
    const auto judge = [&](std::size_t source, const KeyboardMapping& target) {
        Judged judged;
        judged.source = source;
        judged.text = m_convert(sources[source], target);
        judged.identical = sameText(judged.text, text);
        const std::string direction =
            "📖 " + sources[source].displayName() + " → " + target.displayName() + ": ";
        if (judged.identical) {
            if (logging) {
                Log::write(direction + "same as the text");
            }
            return judged;
        }
        if (m_words.covers(target.id())) {
            judged.share = WordShare::of(judged.text, target.id(), m_words);
        }
        if (logging) {
            LogLine line(direction);
            if (judged.share) {
                line << LogFormat::percent(judged.share->inWords, judged.share->letters) << " ("
                     << std::to_string(judged.share->inWords) << "/"
                     << std::to_string(judged.share->letters) << " letters in words) '";
            } else {
                line << "no dictionary '";
            }
            line.appendUserText(judged.text, GraphemeCursor::count(judged.text));
            line << "'";
            LogSink::write(line);
        }
        return judged;
    };

    // A cycle's preferred target stands; the words only choose its source.
    if (preferredTargetID) {
        const auto preferred = std::find_if(
            candidates.begin(), candidates.end(),
            [&](const auto& candidate) { return candidate.id() == *preferredTargetID; });
        if (preferred != candidates.end()) {
            std::vector<std::size_t> possible;
            for (std::size_t i = 0; i < sources.size(); ++i) {
                if (sources[i].id() != preferred->id()) {
                    possible.push_back(i);
                }
            }
            if (possible.empty()) {
                return std::nullopt;
            }
            std::size_t chosen = possible.front();
            if (possible.size() > 1 && m_words.covers(preferred->id())) {
                double bestShare = -1.0;
                for (const std::size_t i : possible) {
                    const Judged judged = judge(i, *preferred);
                    const double value = judged.share ? judged.share->fraction() : 0.0;
                    if (value > bestShare) {
                        bestShare = value;
                        chosen = i;
                    }
                }
            }
            return Pick{sources[chosen], *preferred};
        }
    }

    // Each target's best result over the possible sources (ties: the earlier source). Two
    // targets may give the same text (two Latin layouts for a Cyrillic text): the text is judged
    // by its best reading, and the earliest source's best-reading target gives it.
    struct Option {
        std::size_t source = 0;
        const KeyboardMapping* target = nullptr;
        std::string text;
        double value = 0.0;
    };
    std::vector<Option> options;
    for (const KeyboardMapping& target : candidates) {
        std::optional<Option> option;
        for (std::size_t i = 0; i < sources.size(); ++i) {
            if (sources[i].id() == target.id()) {
                continue;
            }
            Judged judged = judge(i, target);
            if (judged.identical) {
                continue;
            }
            const double value = judged.share ? judged.share->fraction() : kNeutralWordShare;
            if (!option || value > option->value) {
                option = Option{i, &target, std::move(judged.text), value};
            }
        }
        if (option) {
            options.push_back(std::move(*option));
        }
    }
    if (options.empty()) {
        if (logging) {
            Log::write("📖 Spelling: no result differs from the text - usual rules");
        }
        return std::nullopt;
    }
    std::size_t best = 0;
    for (std::size_t i = 1; i < options.size(); ++i) {
        if (options[i].value > options[best].value) {
            best = i;
        }
    }
    double runnerUp = 0.0;
    bool contested = false;
    for (const Option& option : options) {
        if (option.text != options[best].text) {
            runnerUp = std::max(runnerUp, option.value);
            contested = true;
        }
    }
    const Option* top = nullptr;
    for (const Option& option : options) {
        if (option.text == options[best].text &&
            (top == nullptr || option.source < top->source ||
             (option.source == top->source && option.value > top->value))) {
            top = &option;
        }
    }
    const bool clear = !contested || clearlyAhead(options[best].value, runnerUp);
    if (clear) {
        if (logging) {
            Log::write("📖 Spelling: " + sources[top->source].displayName() + " → " +
                       top->target->displayName() +
                       (contested
                            ? " is clearly ahead (" + LogFormat::percent(options[best].value) +
                                  " vs " + LogFormat::percent(runnerUp) + ")"
                            : " alone changes the text"));
        }
        return Pick{sources[top->source], *top->target};
    }
    if (logging) {
        Log::write("📖 Spelling: no clear winner (" + LogFormat::percent(options[best].value) +
                   " vs " + LogFormat::percent(runnerUp) + ") - usual rules");
    }

    // The usual order of targets, passing over results identical to the text.
    std::vector<KeyboardMapping> targets;
    for (const KeyboardMapping& candidate : candidates) {
        if (candidate.id() != detected.id()) {
            targets.push_back(candidate);
        }
    }
    if (targets.size() > 1) {
        for (const KeyboardMapping& target : activeFirst(targets, activeLayoutID)) {
            if (!sameText(m_convert(detected, target), text)) {
                return Pick{detected, target};
            }
        }
    }
    return std::nullopt;
}

}  // namespace korrelang::engine
