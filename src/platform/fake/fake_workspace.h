#pragma once

#include <map>
#include <vector>

#include "platform/workspace.h"

namespace korrelang::platform::fake {

/// A workspace whose frontmost application a test sets; records addresses, beeps and log lines.
class FakeWorkspace : public Workspace {
public:
    std::optional<Application> frontmost;
    std::map<std::string, std::string, std::less<>> installed;  ///< id → name
    bool opensAddresses = true;
    std::vector<std::string> openedAddresses;
    int beeps = 0;
    std::vector<std::string> systemLogLines;

    std::optional<Application> frontmostApplication() const override { return frontmost; }
    std::optional<std::string> applicationName(std::string_view id) const override {
        const auto it = installed.find(id);
        return it == installed.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    bool openAddress(std::string_view address) override {
        openedAddresses.emplace_back(address);
        return opensAddresses;
    }
    void beep() override { ++beeps; }
    void systemLog(std::string_view line) override { systemLogLines.emplace_back(line); }
};

}  // namespace korrelang::platform::fake
