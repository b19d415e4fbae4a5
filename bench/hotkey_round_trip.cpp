// Times a whole hotkey press in a real editor, from the release of Space to the converted text
// being readable in the editor: Control+Shift+Space is held 50 ms like a person would, the
// selection is read through AT-SPI, converted and written back as a press does it (the write
// read back and the caret placed). Run it in the virtual desktop:
//   scripts/desktop-session -- build/bench/bench_hotkey_round_trip [runs]
#include <QApplication>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

// X11 after Qt.
#include <X11/Xlib.h>

#include "bench_support.h"
#include "platform/linux/linux_desktop.h"
#include "service/accessibility_service.h"
#include "support/desktop_harness.h"
#include "support/selection_conversion.h"

using namespace korrelang;
using korrelang::platform::Modifier;
using namespace korrelang::bench;
using korrelang::testing::waitUntil;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    platform::linux_desktop::LinuxDesktop desktop;
    platform::Platform platform = desktop.bundle();
    service::AccessibilityService service(platform.accessibility, platform.inputSources,
                                          platform.workspace);
    const std::vector<std::string> layouts = {"xkb.us.English", "xkb.ru.Russian"};
    bool converted = false;
    platform.hotKeys.registerHotKey(KEY_SPACE, Modifier::Control | Modifier::Shift, {}, [&] {
        converted = testing::convertSelection(service, layouts, std::nullopt);
    });

    const testing::Mousepad editor;
    if (!editor.isReady() || !waitUntil([&] { return service.getFocusedElement() != nullptr; })) {
        std::fprintf(stderr, "the editor never took the focus\n");
        return 1;
    }
    editor.type("ghbdtn");

    Display* display = XOpenDisplay(nullptr);
    std::vector<double> milliseconds;
    const char* texts[] = {"привет", "ghbdtn"};
    for (int run = 0; run < runs; ++run) {
        service.getFocusedElement()->setSelectedRange({0, 6});
        converted = false;
        const auto released = pressHotkey(display);
        const std::string expected = texts[run % 2];
        const bool done = waitUntil(
            [&] {
                const auto element = converted ? service.getFocusedElement() : nullptr;
                return element && element->value().value == expected;
            },
            std::chrono::seconds(10), kPoll);
        if (!done) {
            std::fprintf(stderr, "run %d did not convert\n", run);
            return 1;
        }
        milliseconds.push_back(millisecondsSince(released));
    }
    XCloseDisplay(display);
    std::printf(
        "hotkey release → converted text in mousepad, %d runs: median %.1f ms, "
        "min %.1f ms, p90 %.1f ms, max %.1f ms\n",
        runs, percentile(milliseconds, 0.5), percentile(milliseconds, 0.0),
        percentile(milliseconds, 0.9), percentile(milliseconds, 1.0));
    return 0;
}
