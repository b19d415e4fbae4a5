#include "terminal_process.h"

#include <dirent.h>
#include <unistd.h>

#include <array>
#include <memory>
#include <string_view>

namespace korrelang::platform::process {

namespace {

// The multiplexer device every pseudo-terminal master is opened through; inside containers and
// with a private devpts instance it is reached as /dev/pts/ptmx.
bool isMultiplexer(std::string_view target) {
    return target == "/dev/ptmx" || target == "/dev/pts/ptmx";
}

}  // namespace

bool TerminalProcess::holdsPseudoTerminalMaster(long pid, const std::string& procRoot) {
    if (pid <= 0) {
        return false;
    }
    const std::string directory = procRoot + "/" + std::to_string(pid) + "/fd";
    const std::unique_ptr<DIR, int (*)(DIR*)> entries(opendir(directory.c_str()), closedir);
    if (!entries) {
        return false;
    }
    std::array<char, 64> target{};
    while (const dirent* entry = readdir(entries.get())) {
        if (entry->d_name[0] == '.') {
            continue;
        }
        const std::string link = directory + "/" + entry->d_name;
        const ssize_t length = readlink(link.c_str(), target.data(), target.size());
        if (length > 0 && static_cast<std::size_t>(length) < target.size() &&
            isMultiplexer(std::string_view(target.data(), static_cast<std::size_t>(length)))) {
            return true;
        }
    }
    return false;
}

}  // namespace korrelang::platform::process
