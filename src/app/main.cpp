#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "keyboards/keyboard_detector.h"
#include "platform/x11/xkb_input_sources.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    korrelang::cli::CommandLine::Desktop desktop;
    desktop.installedKeyboards = [] {
        // Opened only when a command asks: the other commands work without a display.
        const korrelang::platform::x11::XkbInputSources inputSources;
        return korrelang::keyboards::KeyboardDetector(inputSources).installedKeyboards();
    };
    return korrelang::cli::CommandLine::run(args, std::cin, std::cout, std::cerr, desktop);
}
