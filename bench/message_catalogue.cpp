#include "message_catalogue.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

std::uint32_t word32(const std::string& data, std::size_t offset, bool swap) {
    if (offset + 4 > data.size()) {
        return 0;
    }
    std::uint32_t value = 0;
    std::memcpy(&value, data.data() + offset, 4);
    return swap ? __builtin_bswap32(value) : value;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> readMessageCatalogue(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string data((std::istreambuf_iterator<char>(file)), {});
    std::vector<std::pair<std::string, std::string>> entries;
    if (data.size() < 28) {
        return entries;
    }
    const std::uint32_t magic = word32(data, 0, false);
    const bool swap = magic == 0xde120495;
    if (!swap && magic != 0x950412de) {
        return entries;
    }
    const std::uint32_t count = word32(data, 8, swap);
    const std::uint32_t originals = word32(data, 12, swap);
    const std::uint32_t translations = word32(data, 16, swap);
    const auto text = [&](std::uint32_t table, std::uint32_t index) -> std::string {
        const std::uint32_t length = word32(data, table + index * 8, swap);
        const std::uint32_t offset = word32(data, table + index * 8 + 4, swap);
        if (static_cast<std::size_t>(offset) + length > data.size()) {
            return {};
        }
        std::string value = data.substr(offset, length);
        value = value.substr(0, value.find('\0'));
        if (const auto context = value.find('\x04'); context != std::string::npos) {
            value = value.substr(context + 1);
        }
        return value;
    };
    for (std::uint32_t i = 0; i < count; ++i) {
        entries.emplace_back(text(originals, i), text(translations, i));
    }
    return entries;
}
