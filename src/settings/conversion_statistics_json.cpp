#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "conversion_statistics.h"
#include "engine/json_string.h"
#include "engine/unicode.h"

namespace korrelang::settings {

namespace {

constexpr int kMaximumDepth = 32;

class Reader {
public:
    explicit Reader(std::string_view text) : m_p(text.data()), m_end(text.data() + text.size()) {}

    std::optional<ConversionStatistics> statistics() {
        QList<ConversionRecord> records;
        bool sawConversions = false;
        const bool ok = object([&](std::string_view key) {
            if (key == "conversions") {
                sawConversions = true;
                records.clear();
                return conversions(records);
            }
            return skipValue(0);
        });
        skipSpace();
        if (!ok || !sawConversions || m_p != m_end) {
            return std::nullopt;
        }
        return ConversionStatistics(std::move(records));
    }

private:
    void skipSpace() {
        while (m_p < m_end && (*m_p == ' ' || *m_p == '\n' || *m_p == '\r' || *m_p == '\t')) {
            ++m_p;
        }
    }

    bool consume(char c) {
        skipSpace();
        if (m_p < m_end && *m_p == c) {
            ++m_p;
            return true;
        }
        return false;
    }

    // Calls member(key) for each member with the reader placed on the value.
    template <typename Member>
    bool object(Member&& member) {
        if (!consume('{')) {
            return false;
        }
        if (consume('}')) {
            return true;
        }
        do {
            skipSpace();
            std::string_view raw;
            if (!rawString(raw) || !consume(':')) {
                return false;
            }
            const std::string_view key = raw.find('\\') == std::string_view::npos
                                             ? raw
                                             : std::string_view(m_keyBuffer = unescape(raw));
            if (m_badEscape) {
                return false;
            }
            if (!member(key)) {
                return false;
            }
        } while (consume(','));
        return consume('}');
    }

    bool conversions(QList<ConversionRecord>& records) {
        if (!consume('[')) {
            return false;
        }
        // Records take about a hundred bytes each.
        records.reserve(static_cast<qsizetype>(m_end - m_p) / 100);
        if (consume(']')) {
            return true;
        }
        do {
            ConversionRecord record;
            if (!conversion(record)) {
                return false;
            }
            records.append(std::move(record));
        } while (consume(','));
        return consume(']');
    }

    bool conversion(ConversionRecord& record) {
        bool timestamp = false, from = false, to = false, count = false;
        const bool ok = object([&](std::string_view key) {
            if (key == "timestamp") {
                timestamp = number(record.timestamp);
                return timestamp;
            }
            if (key == "fromLanguage") {
                from = string(record.fromLanguage);
                return from;
            }
            if (key == "toLanguage") {
                to = string(record.toLanguage);
                return to;
            }
            if (key == "characterCount") {
                double value = 0;
                count = number(value) && value == std::floor(value) &&
                        value >= std::numeric_limits<int>::min() &&
                        value <= std::numeric_limits<int>::max();
                record.characterCount = count ? static_cast<int>(value) : 0;
                return count;
            }
            return skipValue(1);
        });
        return ok && timestamp && from && to && count;
    }

    // The characters between the quotes, escapes still in place.
    bool rawString(std::string_view& raw) {
        if (m_p >= m_end || *m_p != '"') {
            return false;
        }
        const char* start = ++m_p;
        while (m_p < m_end && *m_p != '"') {
            if (static_cast<unsigned char>(*m_p) < 0x20) {
                return false;
            }
            if (*m_p == '\\') {
                ++m_p;
                if (m_p >= m_end) {
                    return false;
                }
            }
            ++m_p;
        }
        if (m_p >= m_end) {
            return false;
        }
        raw = std::string_view(start, static_cast<std::size_t>(m_p - start));
        ++m_p;
        return true;
    }

    // Escapes resolved to UTF-8; empty with m_badEscape set when one is malformed.
    std::string unescape(std::string_view raw) {
        std::string out;
        out.reserve(raw.size());
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] != '\\') {
                out += raw[i];
                continue;
            }
            const char e = raw[++i];
            switch (e) {
                case '"':
                case '\\':
                case '/':
                    out += e;
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    char32_t unit = 0;
                    if (!hex4(raw, i + 1, unit)) {
                        m_badEscape = true;
                        return {};
                    }
                    i += 4;
                    if (unit >= 0xD800 && unit <= 0xDBFF) {
                        char32_t low = 0;
                        if (i + 2 < raw.size() && raw[i + 1] == '\\' && raw[i + 2] == 'u' &&
                            hex4(raw, i + 3, low) && low >= 0xDC00 && low <= 0xDFFF) {
                            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                            i += 6;
                        } else {
                            unit = 0xFFFD;
                        }
                    } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
                        unit = 0xFFFD;
                    }
                    engine::unicode::appendCodePoint(out, unit);
                    break;
                }
                default:
                    m_badEscape = true;
                    return {};
            }
        }
        return out;
    }

    // Exactly four hexadecimal digits at `at`.
    static bool hex4(std::string_view raw, std::size_t at, char32_t& value) {
        if (at + 4 > raw.size()) {
            return false;
        }
        const char* end = raw.data() + at + 4;
        std::uint32_t digits = 0;
        const auto result = std::from_chars(raw.data() + at, end, digits, 16);
        value = digits;
        return result.ec == std::errc() && result.ptr == end;
    }

    // Language names repeat in every record: each distinct spelling is decoded once.
    bool string(QString& value) {
        skipSpace();
        std::string_view raw;
        if (!rawString(raw)) {
            return false;
        }
        for (const auto& [seen, decoded] : m_interned) {
            if (seen == raw) {
                value = decoded;
                return true;
            }
        }
        QString decoded;
        if (raw.find('\\') == std::string_view::npos) {
            decoded = QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
        } else {
            const std::string text = unescape(raw);
            if (m_badEscape) {
                return false;
            }
            decoded = QString::fromStdString(text);
        }
        if (m_interned.size() < kInternedNames) {
            m_interned.emplace_back(raw, decoded);
        }
        value = decoded;
        return true;
    }

    // JSON's number grammar, then the standard library's exact conversion.
    bool number(double& value) {
        skipSpace();
        const char* start = m_p;
        if (m_p < m_end && *m_p == '-') {
            ++m_p;
        }
        if (m_p >= m_end || !isDigit(*m_p)) {
            return false;
        }
        if (*m_p == '0') {
            ++m_p;
        } else {
            skipDigits();
        }
        if (m_p < m_end && *m_p == '.') {
            ++m_p;
            if (m_p >= m_end || !isDigit(*m_p)) {
                return false;
            }
            skipDigits();
        }
        if (m_p < m_end && (*m_p == 'e' || *m_p == 'E')) {
            ++m_p;
            if (m_p < m_end && (*m_p == '+' || *m_p == '-')) {
                ++m_p;
            }
            if (m_p >= m_end || !isDigit(*m_p)) {
                return false;
            }
            skipDigits();
        }
        const auto result = std::from_chars(start, m_p, value);
        return result.ec == std::errc() && result.ptr == m_p && std::isfinite(value);
    }

    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    void skipDigits() {
        while (m_p < m_end && isDigit(*m_p)) {
            ++m_p;
        }
    }

    bool literal(std::string_view word) {
        if (static_cast<std::size_t>(m_end - m_p) < word.size() ||
            std::string_view(m_p, word.size()) != word) {
            return false;
        }
        m_p += word.size();
        return true;
    }

    bool skipValue(int depth) {
        if (depth > kMaximumDepth) {
            return false;
        }
        skipSpace();
        if (m_p >= m_end) {
            return false;
        }
        switch (*m_p) {
            case '{':
                return object([&](std::string_view) { return skipValue(depth + 1); });
            case '[':
                ++m_p;
                if (consume(']')) {
                    return true;
                }
                do {
                    if (!skipValue(depth + 1)) {
                        return false;
                    }
                } while (consume(','));
                return consume(']');
            case '"': {
                std::string_view raw;
                if (!rawString(raw)) {
                    return false;
                }
                unescape(raw);
                return !m_badEscape;
            }
            case 't':
                return literal("true");
            case 'f':
                return literal("false");
            case 'n':
                return literal("null");
            default: {
                double ignored = 0;
                return number(ignored);
            }
        }
    }

    static constexpr std::size_t kInternedNames = 64;

    const char* m_p;
    const char* m_end;
    bool m_badEscape = false;
    std::string m_keyBuffer;
    std::vector<std::pair<std::string_view, QString>> m_interned;
};

}  // namespace

QByteArray ConversionStatistics::toJson() const {
    std::string out;
    out.reserve(static_cast<std::size_t>(m_conversions.size()) * 100 + 32);
    out += "{\"conversions\":[";
    // Escaped once per distinct name, not once per record.
    std::vector<std::pair<QString, std::string>> names;
    const auto escaped = [&names](const QString& name) -> const std::string& {
        for (const auto& [plain, json] : names) {
            if (plain == name) {
                return json;
            }
        }
        std::string json;
        const QByteArray utf8 = name.toUtf8();
        engine::JsonString::appendQuoted(json, std::string_view(utf8.data(), utf8.size()),
                                         engine::JsonString::ControlEscapes::Unicode);
        return names.emplace_back(name, std::move(json)).second;
    };
    std::array<char, 64> number{};
    bool first = true;
    for (const ConversionRecord& record : m_conversions) {
        out += first ? "{\"timestamp\":" : ",{\"timestamp\":";
        first = false;
        const double timestamp = std::isfinite(record.timestamp) ? record.timestamp : 0.0;
        auto result = std::to_chars(number.data(), number.data() + number.size(), timestamp);
        out.append(number.data(), result.ptr);
        out += ",\"fromLanguage\":";
        out += escaped(record.fromLanguage);
        out += ",\"toLanguage\":";
        out += escaped(record.toLanguage);
        out += ",\"characterCount\":";
        result = std::to_chars(number.data(), number.data() + number.size(), record.characterCount);
        out.append(number.data(), result.ptr);
        out += '}';
    }
    out += "]}";
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

std::optional<ConversionStatistics> ConversionStatistics::fromJson(QByteArrayView json) {
    return Reader(std::string_view(json.data(), static_cast<std::size_t>(json.size())))
        .statistics();
}

}  // namespace korrelang::settings
