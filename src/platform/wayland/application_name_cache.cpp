#include "application_name_cache.h"

namespace korrelang::platform::wayland {

ApplicationNameCache::ApplicationNameCache(Lookup lookup,
                                           std::function<std::vector<std::string>()> folders)
    : m_lookup(std::move(lookup)), m_folders(std::move(folders)) {}

ApplicationNameCache::Stamps ApplicationNameCache::stamps() const {
    Stamps stamps;
    for (const std::string& folder : m_folders()) {
        std::error_code error;
        const auto time = std::filesystem::last_write_time(folder, error);
        stamps.push_back(error ? std::nullopt : std::optional(time));
    }
    return stamps;
}

std::optional<std::string> ApplicationNameCache::name(std::string_view id) const {
    Stamps now = stamps();
    {
        const std::lock_guard lock(m_mutex);
        if (now != m_stamps) {
            m_names.clear();
            m_stamps = std::move(now);
        } else if (const auto it = m_names.find(id); it != m_names.end()) {
            return it->second;
        }
    }
    // Unlocked: the lookup reads files, and two threads looking up at once find the same.
    auto found = m_lookup(id);
    const std::lock_guard lock(m_mutex);
    m_names.insert_or_assign(std::string(id), found);
    return found;
}

}  // namespace korrelang::platform::wayland
