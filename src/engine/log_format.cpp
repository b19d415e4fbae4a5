#include "log_format.h"

#include <cstdio>

#include "keyboard_mapping.h"

namespace korrelang::engine {

std::string LogFormat::list(const std::vector<std::string>& texts) {
    std::string out = "[";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) {
            out += ", ";
        }
        out += "\"" + texts[i] + "\"";
    }
    return out + "]";
}

std::string LogFormat::displayNames(const std::vector<KeyboardMapping>& mappings) {
    std::vector<std::string> names;
    names.reserve(mappings.size());
    for (const KeyboardMapping& mapping : mappings) {
        names.push_back(mapping.displayName());
    }
    return list(names);
}

std::string LogFormat::optional(const std::optional<std::string>& value) {
    return value ? *value : "nil";
}

std::string LogFormat::percent(std::size_t matched, std::size_t total) {
    return percent(total == 0 ? 0.0 : static_cast<double>(matched) / static_cast<double>(total));
}

std::string LogFormat::percent(double fraction) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f%%", 100.0 * fraction);
    return buffer;
}

}  // namespace korrelang::engine
