#include "verified_text_write.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "engine/grapheme_cursor.h"
#include "service_log.h"

namespace korrelang::service {

namespace {

using platform::AccessCode;
using servicelog::say;
using Result = VerifiedTextWrite::Result;

std::vector<std::string_view> clusters(std::string_view text) {
    std::vector<std::string_view> out;
    engine::GraphemeCursor cursor(text);
    std::string_view cluster;
    while (cursor.next(cluster)) {
        out.push_back(cluster);
    }
    return out;
}

std::string join(const std::vector<std::string_view>& parts, std::size_t from, std::size_t to) {
    std::string out;
    for (std::size_t i = from; i < to && i < parts.size(); ++i) {
        out += parts[i];
    }
    return out;
}

}  // namespace

Result VerifiedTextWrite::replace(platform::TextElement& element, platform::TextRange range,
                                  const std::string& expected, const std::string& replacement,
                                  std::optional<Selections> selections, bool together) {
    const auto before = element.value();
    if (!before.succeeded()) {
        say("❌ Cannot read the field before writing (code " + toString(before.code) + ")");
        return Result::notWritten;
    }
    const auto parts = clusters(*before.value);
    const auto start = static_cast<std::size_t>(std::max(range.location, 0L));
    const auto end = start + static_cast<std::size_t>(std::max(range.length, 0L));
    if (end > parts.size() || join(parts, start, end) != expected) {
        say("⚠️ The field changed since it was read; nothing written");
        return Result::notWritten;
    }
    const std::string head = join(parts, 0, start);
    const std::string selected = join(parts, start, end);
    const std::string tail = join(parts, end, parts.size());
    const std::string intended = head + replacement + tail;
    const long replacementLength = static_cast<long>(engine::GraphemeCursor::count(replacement));

    // The text just read maps the offsets of both calls, the first call's edit applied for the
    // second: no read between them. Whatever the application made of them is read back below.
    enum class Order { insertFirst, deleteFirst };
    for (const Order order : {Order::insertFirst, Order::deleteFirst}) {
        AccessCode first = AccessCode::success;
        AccessCode second = AccessCode::success;
        std::optional<AccessCode> selection;
        platform::AccessResult<std::string> after;
        if (order == Order::insertFirst) {
            const std::string inserted = head + selected + replacement + tail;
            std::optional<platform::TextRange> selectAfter;
            if (selections) {
                selectAfter = selections->after;
            }
            auto answers = element.rewrite(
                {*before.value, inserted, intended, range, replacement, selectAfter, together});
            first = answers.insert;
            second = answers.remove;
            selection = answers.select;
            after = std::move(answers.after);
        } else {
            if (range.length > 0) {
                first = element.deleteTextGiven(*before.value, range);
            }
            if (first == AccessCode::success) {
                second = element.insertTextGiven(head + tail, range.location, replacement);
            }
            after = element.value();
        }
        if (!after.succeeded()) {
            say("❌ Cannot read the field back after writing (code " + toString(after.code) + ")");
            return Result::damaged;
        }
        if (*after.value == intended) {
            if (selections && !selection) {
                selection = element.setSelectedRangeGiven(intended, selections->after);
            }
            if (selection && *selection != AccessCode::success) {
                say("⚠️ Could not place the caret after the new text (code " +
                    toString(*selection) + ")");
            }
            return Result::written;
        }
        say(std::string("⚠️ The field does not read as intended after ") +
            (order == Order::insertFirst ? "insert-then-delete" : "delete-then-insert") +
            " (codes " + toString(first) + ", " + toString(second) + ", " +
            std::to_string(engine::GraphemeCursor::count(*after.value)) + " chars, expected " +
            std::to_string(parts.size() - (end - start) +
                           static_cast<std::size_t>(replacementLength)) +
            ")");
        const bool unchanged = *after.value == *before.value;
        if (!unchanged && !restore(element, *before.value, *after.value)) {
            say("❌ Could not put the original text back");
            return Result::damaged;
        }
        if (selection) {
            // The selection went with edits that did not come out as intended: put it back.
            element.setSelectedRangeGiven(*before.value, selections->before);
        }
        if (unchanged) {
            // Answered yes and changed nothing: the other order would do the same.
            return first == AccessCode::success && second == AccessCode::success
                       ? Result::ignored
                       : Result::notWritten;
        }
        // The other order only helps where the application took both calls and got the text
        // wrong (a length limit); a refused call would be refused again.
        if (first != AccessCode::success || second != AccessCode::success) {
            break;
        }
    }
    return Result::notWritten;
}

VerifiedTextWrite::Difference VerifiedTextWrite::difference(const std::string& original,
                                                            const std::string& current) {
    const auto want = clusters(original);
    const auto have = clusters(current);
    std::size_t prefix = 0;
    while (prefix < want.size() && prefix < have.size() && want[prefix] == have[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < want.size() - prefix && suffix < have.size() - prefix &&
           want[want.size() - 1 - suffix] == have[have.size() - 1 - suffix]) {
        ++suffix;
    }
    return {{static_cast<long>(prefix), static_cast<long>(have.size() - prefix - suffix)},
            join(want, prefix, want.size() - suffix)};
}

std::string VerifiedTextWrite::replaced(const std::string& text, platform::TextRange range,
                                        const std::string& replacement) {
    const auto parts = clusters(text);
    const std::size_t start =
        std::min(static_cast<std::size_t>(std::max(range.location, 0L)), parts.size());
    const std::size_t end =
        std::min(start + static_cast<std::size_t>(std::max(range.length, 0L)), parts.size());
    return join(parts, 0, start) + replacement + join(parts, end, parts.size());
}

bool VerifiedTextWrite::restore(platform::TextElement& element, const std::string& original,
                                const std::string& current) {
    const Difference diff = difference(original, current);
    if (diff.inCurrent.length > 0 && element.deleteText(diff.inCurrent) != AccessCode::success) {
        return false;
    }
    if (!diff.originalPart.empty() &&
        element.insertText(diff.inCurrent.location, diff.originalPart) != AccessCode::success) {
        return false;
    }
    const auto now = element.value();
    return now.succeeded() && *now.value == original;
}

}  // namespace korrelang::service
