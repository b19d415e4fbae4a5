#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korrelang::platform::wayland {

/// Application names found in the desktop entries, kept until an applications folder changes.
/// A Wayland app_id often names no entry file (a GTK 3 program reports its program name), and
/// finding its name then means reading every entry: too slow for each hotkey press. Installing
/// or removing a program renames files in a folder, which changes the folder's time, and the
/// names are looked up again. Any thread.
class ApplicationNameCache {
public:
    using Lookup = std::function<std::optional<std::string>(std::string_view id)>;

    /// `folders` lists the applications folders to watch, in the order of their search.
    ApplicationNameCache(Lookup lookup, std::function<std::vector<std::string>()> folders);

    std::optional<std::string> name(std::string_view id) const;

private:
    using Stamps = std::vector<std::optional<std::filesystem::file_time_type>>;
    Stamps stamps() const;

    Lookup m_lookup;
    std::function<std::vector<std::string>()> m_folders;
    mutable std::mutex m_mutex;
    mutable Stamps m_stamps;
    mutable std::map<std::string, std::optional<std::string>, std::less<>> m_names;
};

}  // namespace korrelang::platform::wayland
