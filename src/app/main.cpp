#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "keyboards/keyboard_detector.h"
#include "platform/x11/xkb_input_sources.h"
#include "settings/settings.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    korrelang::cli::CommandLine::Desktop desktop;
    desktop.installedKeyboards = [] {
        // Opened only when a command asks: the other commands work without a display.
        const korrelang::platform::x11::XkbInputSources inputSources;
        return korrelang::keyboards::KeyboardDetector(inputSources).installedKeyboards();
    };
    desktop.selectedKeyboards = [] {
        const korrelang::settings::Settings settings;
        std::vector<std::string> selected;
        for (const QString& id : settings.selectedKeyboards()) {
            selected.push_back(id.toStdString());
        }
        return selected;
    };
    return korrelang::cli::CommandLine::run(args, std::cin, std::cout, std::cerr, desktop);
}
