#include "slow_app_way.h"

#include <algorithm>
#include <array>

namespace korrelang::service {

namespace {

struct KnownID {
    std::string_view id;
    bool isPrefix = false;  ///< a family of applications: every id that starts with it
};

// Both forms of each: the window class (as X11 sessions report it, in either case the
// application sets) and the desktop-file id of its Flatpak.
constexpr auto kSlowAppIDs = std::to_array<KnownID>({
    {"slack"},
    {"Slack"},
    {"com.slack.Slack"},
    {"discord"},
    {"Discord"},
    {"com.discordapp.Discord"},
    {"code"},
    {"Code"},
    {"code-oss"},
    {"code-insiders"},
    {"com.visualstudio.code"},
    {"jetbrains-", true},  // jetbrains-idea, jetbrains-pycharm, jetbrains-studio, …
});

constexpr auto kSlowAppNames =
    std::to_array<std::string_view>({"Slack", "Discord", "Visual Studio Code"});

}  // namespace

bool SlowAppWay::isSlowApp(std::string_view applicationID, std::string_view name) {
    const bool knownID =
        !applicationID.empty() &&
        std::any_of(kSlowAppIDs.begin(), kSlowAppIDs.end(), [&](const KnownID& known) {
            return known.isPrefix ? applicationID.starts_with(known.id) : applicationID == known.id;
        });
    const bool knownName =
        !name.empty() &&
        std::any_of(kSlowAppNames.begin(), kSlowAppNames.end(), [&](std::string_view known) {
            return name.find(known) != std::string_view::npos;
        });
    return knownID || knownName;
}

}  // namespace korrelang::service
