#include "word_share.h"

#include <string>
#include <vector>

#include "grapheme_cursor.h"
#include "unicode.h"

namespace korrelang::engine {

namespace {

bool isJoiner(std::string_view character) {
    return character == "'" || character == "-" || character == "\u2019" || character == "\u02BC" ||
           character == "\u2010";
}

// "e.g.", "and/or", "www.example.org": marks that separate real words inside a token.
bool isWordBreak(std::string_view character) {
    return character == "." || character == "/";
}

// Single letters are words in most dictionaries and say nothing about the language.
constexpr std::size_t kShortestWord = 2;

// One word of the text: its characters, and which of them are letters.
struct Word {
    std::vector<std::string_view> characters;
    std::size_t letters = 0;
};

bool accepted(const WordScorer& words, std::string_view mappingID, const std::string& word) {
    if (words.isWord(mappingID, word)) {
        return true;
    }
    const std::string lowered = unicode::toLower(word);
    return lowered != word && words.isWord(mappingID, lowered);
}

// Letters of `word` that stand in accepted words: all of them when the whole word is accepted,
// else those of its accepted pieces between joiners.
std::size_t lettersInWords(const Word& word, std::string_view mappingID, const WordScorer& words) {
    std::string whole;
    bool joined = false;
    for (const std::string_view character : word.characters) {
        whole += character;
        joined = joined || isJoiner(character);
    }
    if (accepted(words, mappingID, whole)) {
        return word.letters;
    }
    if (!joined) {
        return 0;
    }
    std::size_t inWords = 0;
    std::string piece;
    std::size_t pieceLetters = 0;
    const auto finishPiece = [&] {
        if (pieceLetters > 0 && accepted(words, mappingID, piece)) {
            inWords += pieceLetters;
        }
        piece.clear();
        pieceLetters = 0;
    };
    for (const std::string_view character : word.characters) {
        if (isJoiner(character)) {
            finishPiece();
        } else {
            piece += character;
            ++pieceLetters;
        }
    }
    finishPiece();
    return inWords;
}

}  // namespace

WordShare WordShare::of(std::string_view text, std::string_view mappingID,
                        const WordScorer& words) {
    WordShare share;
    // The words of one whitespace-separated token; a mark inside it (";" or "," between letters,
    // which real words never have and keys typed in the wrong layout often give) spoils them all.
    std::vector<Word> token;
    bool spoiled = false;
    Word word;
    std::string_view pendingJoiner;  // a joiner after a letter, kept if a letter follows
    std::string_view pendingMark;    // any other mark after a letter, bad if a letter follows
    const auto endWord = [&] {
        if (word.letters > 0) {
            token.push_back(std::move(word));
        }
        word = Word{};
        pendingJoiner = {};
    };
    const auto endToken = [&] {
        endWord();
        for (const Word& each : token) {
            if (each.letters < kShortestWord) {
                continue;
            }
            share.letters += each.letters;
            share.inWords += spoiled ? 0 : lettersInWords(each, mappingID, words);
        }
        token.clear();
        spoiled = false;
        pendingMark = {};
    };
    GraphemeCursor cursor(text);
    std::string_view character;
    while (cursor.next(character)) {
        const char32_t first = unicode::firstCodePoint(character);
        if (unicode::isWhitespace(first)) {
            endToken();
        } else if (unicode::isAlphabetic(first)) {
            if (!pendingMark.empty()) {
                spoiled = spoiled || !isWordBreak(pendingMark);
                pendingMark = {};
            }
            if (!pendingJoiner.empty()) {
                word.characters.push_back(pendingJoiner);
                pendingJoiner = {};
            }
            word.characters.push_back(character);
            ++word.letters;
        } else if (word.letters > 0 && pendingJoiner.empty() && isJoiner(character)) {
            pendingJoiner = character;
        } else {
            const bool afterLetter = word.letters > 0 || !pendingJoiner.empty();
            endWord();
            if (afterLetter || !pendingMark.empty() || !token.empty()) {
                // Inside the token: matters only if another letter follows.
                pendingMark =
                    pendingMark.empty() || isWordBreak(pendingMark) ? character : pendingMark;
            }
        }
    }
    endToken();
    return share;
}

}  // namespace korrelang::engine
