#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace korrelang::spelling {

// A folder under the system's temporary directory, removed with everything in it.
class TemporaryDirectory {
public:
    TemporaryDirectory() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "korrelang-spelling-XXXXXX").string();
        m_path = mkdtemp(pattern.data());
    }
    ~TemporaryDirectory() { std::filesystem::remove_all(m_path); }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::string& path() const { return m_path; }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(m_path + "/" + name, std::ios::binary | std::ios::trunc) << bytes;
    }

private:
    std::string m_path;
};

}  // namespace korrelang::spelling
