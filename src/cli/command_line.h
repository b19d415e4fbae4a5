#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace korrelang::cli {

/// The `korrelang` subcommands that work without a desktop: convert, layouts, resolve.
class CommandLine {
public:
    /// Whether `args` (without the program name) ask for a subcommand or for help, rather than
    /// for the tray application.
    static bool handles(const std::vector<std::string>& args);

    /// Runs the subcommand in `args` (without the program name) and returns the exit status:
    /// 0 success, 1 no conversion, 2 usage error or input that is not UTF-8.
    static int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);
};

}  // namespace korrelang::cli
