#include "fake_text_element.h"

#include <algorithm>
#include <cstddef>

#include "engine/unicode.h"

namespace korrelang::platform::fake {

namespace {

// Byte offset of the code point with index `index` in UTF-8 `s`, clamped to its end.
std::size_t byteOffset(const std::string& s, long index) {
    std::size_t pos = 0;
    for (long i = 0; i < index && pos < s.size(); ++i) {
        ++pos;
        while (pos < s.size() && (static_cast<unsigned char>(s[pos]) & 0xC0) == 0x80) {
            ++pos;
        }
    }
    return pos;
}

long codePoints(std::string_view s) {
    return static_cast<long>(engine::unicode::codePointCount(s));
}

}  // namespace

AccessResult<std::string> FakeTextElement::selectedText() const {
    if (selectedTextCode != AccessCode::success) {
        return AccessResult<std::string>::error(selectedTextCode);
    }
    const std::size_t from = byteOffset(text, selection.location);
    const std::size_t to = byteOffset(text, selection.location + selection.length);
    return AccessResult<std::string>::ok(text.substr(from, to - from));
}

AccessResult<TextRange> FakeTextElement::selectedRange() const {
    if (selectedRangeCode != AccessCode::success) {
        return AccessResult<TextRange>::error(selectedRangeCode);
    }
    return AccessResult<TextRange>::ok(selection);
}

AccessResult<std::string> FakeTextElement::value() const {
    if (valueCode != AccessCode::success) {
        return AccessResult<std::string>::error(valueCode);
    }
    return AccessResult<std::string>::ok(text);
}

AccessCode FakeTextElement::setSelectedRange(TextRange range) {
    if (setRangeCode != AccessCode::success) {
        return setRangeCode;
    }
    rangesSet.push_back(range);
    selection = range;
    return AccessCode::success;
}

AccessCode FakeTextElement::setSelectedText(std::string_view newText) {
    if (setTextCode != AccessCode::success) {
        return setTextCode;
    }
    textsSet.emplace_back(newText);
    const std::size_t from = byteOffset(text, selection.location);
    const std::size_t to = byteOffset(text, selection.location + selection.length);
    text.replace(from, to - from, newText);
    selection = {selection.location + codePoints(newText), 0};
    return AccessCode::success;
}

AccessCode FakeTextElement::insertText(long position, std::string_view newText) {
    if (insertCode != AccessCode::success) {
        return insertCode;
    }
    ++inserts;
    const long count = codePoints(text);
    if (position < 0 || position > count) {
        return AccessCode::outOfRange;
    }
    if (!ignoresWrites) {
        std::string inserted(newText);
        if (maxLength) {
            const long room = std::max(0L, *maxLength - count);
            inserted.resize(byteOffset(inserted, room));
        }
        text.insert(byteOffset(text, position), inserted);
    }
    if (afterEdit) {
        afterEdit();
    }
    return AccessCode::success;
}

AccessCode FakeTextElement::deleteText(TextRange range) {
    if (deleteCode != AccessCode::success) {
        return deleteCode;
    }
    ++deletes;
    if (range.location < 0 || range.length < 0 ||
        range.location + range.length > codePoints(text)) {
        return AccessCode::outOfRange;
    }
    if (!ignoresWrites) {
        const std::size_t from = byteOffset(text, range.location);
        text.erase(from, byteOffset(text, range.location + range.length) - from);
    }
    if (afterEdit) {
        afterEdit();
    }
    return AccessCode::success;
}

// Calls allowed to go together are made as a back end that sends them at once makes them: the
// delete even after a refused insert, the selection before the read-back.
TextElement::RewriteAnswers FakeTextElement::rewrite(const Rewrite& rewrite) {
    if (!rewrite.together) {
        return TextElement::rewrite(rewrite);
    }
    RewriteAnswers answers;
    answers.insert = insertTextGiven(rewrite.current, rewrite.range.location + rewrite.range.length,
                                     rewrite.text);
    if (rewrite.range.length > 0) {
        answers.remove = deleteTextGiven(rewrite.inserted, rewrite.range);
    }
    if (rewrite.selectAfter) {
        answers.select = setSelectedRange(*rewrite.selectAfter);
    }
    answers.after = value();
    return answers;
}

}  // namespace korrelang::platform::fake
