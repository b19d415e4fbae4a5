#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "keyboards/keyboard_detector.h"

namespace korrelang::cli {

/// The `korrelang` subcommands: convert, layouts, resolve, and keyboards (which asks the desktop).
class CommandLine {
public:
    /// What the commands may ask the desktop; either function may be empty (no desktop).
    struct Desktop {
        std::function<keyboards::DetectedKeyboards()> installedKeyboards;
        /// The user's selected keyboards; empty when none are selected.
        std::function<std::vector<std::string>()> selectedKeyboards;
        /// The name of the desktop back end that answers ("X11", "sway"…), shown by
        /// `keyboards`; empty when unknown.
        std::function<std::string()> backEnd;
    };

    /// Whether `args` (without the program name) ask for a subcommand or for help, rather than
    /// for the tray application.
    static bool handles(const std::vector<std::string>& args);

    /// Runs the subcommand in `args` (without the program name) and returns the exit status:
    /// 0 success, 1 no conversion, 2 usage error or input that is not UTF-8.
    static int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err, const Desktop& desktop = {});
};

}  // namespace korrelang::cli
