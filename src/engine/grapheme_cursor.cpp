#include "grapheme_cursor.h"

#include <unicode/brkiter.h>
#include <unicode/uchar.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

#include <cstdint>
#include <memory>

namespace korrelang::engine {

namespace {

// Which cursor the thread's iterator is currently set on, so a cursor sets its text only once.
thread_local std::uint64_t t_iteratorOwner = 0;
thread_local std::uint64_t t_lastCursorSerial = 0;

icu::BreakIterator* threadBreakIterator() {
    // Creating a break iterator costs far more than a short conversion; keep one per thread.
    thread_local std::unique_ptr<icu::BreakIterator> iterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> created(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        return U_SUCCESS(status) ? std::move(created) : nullptr;
    }();
    return iterator.get();
}

}  // namespace

GraphemeCursor::GraphemeCursor(std::string_view utf8) : m_text(utf8) {}

GraphemeCursor::~GraphemeCursor() {
    if (m_utext != nullptr) {
        if (t_iteratorOwner == m_serial) {
            t_iteratorOwner = 0;
        }
        utext_close(m_utext);
    }
}

std::size_t GraphemeCursor::boundaryAfter(std::size_t start) {
    const auto length = static_cast<int32_t>(m_text.size());
    std::size_t firstLength = 0;
    decode(reinterpret_cast<const unsigned char*>(m_text.data()) + start, firstLength);
    const auto afterFirst = static_cast<int32_t>(start + firstLength);

    icu::BreakIterator* iterator = threadBreakIterator();
    if (iterator == nullptr) {
        return static_cast<std::size_t>(afterFirst);
    }
    UErrorCode status = U_ZERO_ERROR;
    if (m_utext == nullptr) {
        m_utext = utext_openUTF8(nullptr, m_text.data(), length, &status);
        if (U_FAILURE(status)) {
            m_utext = nullptr;
            return static_cast<std::size_t>(afterFirst);
        }
        m_serial = ++t_lastCursorSerial;
    }
    if (t_iteratorOwner != m_serial) {
        iterator->setText(m_utext, status);
        if (U_FAILURE(status)) {
            t_iteratorOwner = 0;
            return static_cast<std::size_t>(afterFirst);
        }
        t_iteratorOwner = m_serial;
    }
    const int32_t boundary = iterator->following(static_cast<int32_t>(start));
    if (boundary == icu::BreakIterator::DONE || boundary <= static_cast<int32_t>(start)) {
        return static_cast<std::size_t>(length);
    }
    return static_cast<std::size_t>(boundary);
}

std::size_t GraphemeCursor::count(std::string_view utf8) {
    GraphemeCursor cursor(utf8);
    std::string_view cluster;
    std::size_t characters = 0;
    while (cursor.next(cluster)) {
        ++characters;
    }
    return characters;
}

std::string_view GraphemeCursor::prefix(std::string_view utf8, std::size_t characters) {
    GraphemeCursor cursor(utf8);
    std::string_view cluster;
    std::size_t end = 0;
    for (std::size_t taken = 0; taken < characters && cursor.next(cluster); ++taken) {
        end = static_cast<std::size_t>(cluster.data() + cluster.size() - utf8.data());
    }
    return utf8.substr(0, end);
}

}  // namespace korrelang::engine
