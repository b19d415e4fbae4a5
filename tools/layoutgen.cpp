// Reads the keyboard catalogue (data/layouts.txt) and writes it as C++ tables. Any malformed
// entry stops the build with a message naming the line.

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kRowSizes[4] = {13, 13, 11, 10};
const char* const kRowTags[8] = {"N1", "N2", "N3", "N4", "S1", "S2", "S3", "S4"};

struct Layout {
    std::string id, displayName;
    bool rtl = false, cased = false;
    std::vector<std::string> patterns;
    std::vector<std::string> normal, shifted;  // 47 each
};

[[noreturn]] void fail(const std::string& file, int line, const std::string& message) {
    std::cerr << file << ":" << line << ": error: " << message << "\n";
    std::exit(1);
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream stream(text);
    while (std::getline(stream, part, separator)) {
        parts.push_back(part);
    }
    if (!text.empty() && text.back() == separator) {
        parts.emplace_back();
    }
    return parts;
}

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool validUtf8(const std::string& text, UChar32* first) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    int32_t i = 0;
    bool isFirst = true;
    while (i < length) {
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0) {
            return false;
        }
        if (isFirst && first != nullptr) {
            *first = c;
        }
        isFirst = false;
    }
    return true;
}

void appendUtf8(std::string& out, UChar32 c) {
    uint8_t buffer[4];
    int32_t length = 0;
    U8_APPEND_UNSAFE(buffer, length, c);
    out.append(reinterpret_cast<const char*>(buffer), static_cast<size_t>(length));
}

bool isCombiningMark(UChar32 c) {
    const int8_t category = u_charType(c);
    return category == U_NON_SPACING_MARK || category == U_COMBINING_SPACING_MARK ||
           category == U_ENCLOSING_MARK;
}

// Resolves one token of the notation to the key's text.
std::string decodeToken(const std::string& token, const std::string& file, int line) {
    static const std::string kEmpty = "\u2205";         // ∅
    static const std::string kSpace = "\u2420";         // ␠
    static const std::string kDottedCircle = "\u25CC";  // ◌
    if (token == kEmpty) {
        return {};
    }
    if (token == kSpace) {
        return " ";
    }
    std::string rest = token;
    bool markedCombining = false;
    if (rest.rfind(kDottedCircle, 0) == 0) {
        markedCombining = true;
        rest.erase(0, kDottedCircle.size());
    }
    std::string text;
    for (std::size_t i = 0; i < rest.size();) {
        if (rest.compare(i, 5, "\u27E8U+") == 0) {  // ⟨U+XXXX⟩
            const auto close = rest.find("\u27E9", i);
            if (close == std::string::npos) {
                fail(file, line, "unterminated code point in token '" + token + "'");
            }
            const std::string hex = rest.substr(i + 5, close - i - 5);
            const unsigned long value = std::stoul(hex, nullptr, 16);
            if (hex.empty() || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
                fail(file, line, "bad code point in token '" + token + "'");
            }
            appendUtf8(text, static_cast<UChar32>(value));
            i = close + std::string("\u27E9").size();
        } else {
            text += rest[i++];
        }
    }
    UChar32 first = 0;
    if (text.empty() || !validUtf8(text, &first)) {
        fail(file, line, "token '" + token + "' is not a valid text");
    }
    if (markedCombining != isCombiningMark(first)) {
        fail(file, line,
             "token '" + token +
                 "': the dotted-circle mark must be used exactly for texts "
                 "that begin with a combining mark");
    }
    return text;
}

std::string cppString(const std::string& text) {
    std::string out = "\"";
    for (const unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\' && c != '?') {
            out += static_cast<char>(c);
        } else {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\%03o", c);
            out += buffer;
        }
    }
    return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: layoutgen layouts.txt output.cpp\n";
        return 2;
    }
    const std::string file = argv[1];
    std::ifstream input(file);
    if (!input) {
        fail(file, 0, "cannot read");
    }
    std::vector<Layout> layouts;
    std::set<std::string> ids;
    std::string text;
    int lineNumber = 0;
    int expectedRow = 8;  // rows read of the current layout
    while (std::getline(input, text)) {
        ++lineNumber;
        if (text.empty() || text[0] == '#') {
            continue;
        }
        if (text.rfind("layout ", 0) == 0) {
            if (expectedRow != 8) {
                fail(file, lineNumber,
                     "previous layout has only " + std::to_string(expectedRow) + " of its 8 rows");
            }
            const auto fields = split(text.substr(7), '|');
            if (fields.size() != 5) {
                fail(file, lineNumber,
                     "expected 'layout id | name | ltr/rtl | cased/caseless | "
                     "patterns'");
            }
            Layout layout;
            layout.id = trim(fields[0]);
            layout.displayName = trim(fields[1]);
            const std::string direction = trim(fields[2]);
            const std::string casing = trim(fields[3]);
            if (layout.id.empty() || layout.displayName.empty() ||
                (direction != "ltr" && direction != "rtl") ||
                (casing != "cased" && casing != "caseless")) {
                fail(file, lineNumber, "malformed layout header");
            }
            if (!ids.insert(layout.id).second) {
                fail(file, lineNumber, "layout id '" + layout.id + "' repeated");
            }
            layout.rtl = direction == "rtl";
            layout.cased = casing == "cased";
            for (const auto& pattern : split(trim(fields[4]), ' ')) {
                if (!pattern.empty()) {
                    layout.patterns.push_back(pattern);
                }
            }
            if (layout.patterns.empty()) {
                fail(file, lineNumber, "layout '" + layout.id + "' has no patterns");
            }
            layouts.push_back(layout);
            expectedRow = 0;
            continue;
        }
        if (layouts.empty() || expectedRow >= 8) {
            fail(file, lineNumber, "row outside a layout block");
        }
        const std::string tag = kRowTags[expectedRow];
        if (text.rfind(tag + "  ", 0) != 0) {
            fail(file, lineNumber, "expected row " + tag);
        }
        const auto tokens = split(text.substr(4), ' ');
        const int size = kRowSizes[expectedRow % 4];
        if (static_cast<int>(tokens.size()) != size) {
            fail(file, lineNumber,
                 "row " + tag + " has " + std::to_string(tokens.size()) + " keys, expected " +
                     std::to_string(size));
        }
        auto& texts = expectedRow < 4 ? layouts.back().normal : layouts.back().shifted;
        for (const auto& token : tokens) {
            texts.push_back(decodeToken(token, file, lineNumber));
        }
        ++expectedRow;
    }
    if (expectedRow != 8) {
        fail(file, lineNumber, "last layout is incomplete");
    }
    if (layouts.empty()) {
        fail(file, lineNumber, "no layouts");
    }

    std::ofstream out(argv[2]);
    out << "// Generated by layoutgen from data/layouts.txt; edit the data file, not this.\n"
        << "#include \"engine/layout_table.h\"\n\n"
        << "namespace korrelang::engine {\n\nnamespace {\n\n";
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        out << "constexpr std::string_view kPatterns" << i << "[] = {";
        for (const auto& pattern : layouts[i].patterns) {
            out << cppString(pattern) << ", ";
        }
        out << "};\n";
    }
    out << "\nconstexpr LayoutTable kCatalogue[] = {\n";
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        const Layout& layout = layouts[i];
        out << "    {" << cppString(layout.id) << ", " << cppString(layout.displayName) << ", "
            << (layout.rtl ? "true" : "false") << ", " << (layout.cased ? "true" : "false")
            << ", kPatterns" << i << ",\n     {";
        for (const auto& key : layout.normal) {
            out << cppString(key) << ", ";
        }
        out << "},\n     {";
        for (const auto& key : layout.shifted) {
            out << cppString(key) << ", ";
        }
        out << "}},\n";
    }
    out << "};\n\n}  // namespace\n\n"
        << "std::span<const LayoutTable> catalogueTables() { return kCatalogue; }\n\n"
        << "}  // namespace korrelang::engine\n";
    return out ? 0 : 1;
}
