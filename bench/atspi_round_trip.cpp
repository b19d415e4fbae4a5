// Times one hotkey press's accessibility work in a real editor: read the selection, then replace
// it, as the conversion flow does. Run it inside the virtual desktop:
//   scripts/desktop-session -- build/bench/bench_atspi_round_trip [runs]
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench_support.h"
#include "platform/x11/x11_workspace.h"
#include "platform/x11/xkb_input_sources.h"
#include "service/accessibility_service.h"
#include "support/accessible_desktop.h"
#include "support/desktop_harness.h"

using namespace korrelang;
using namespace korrelang::bench;
using korrelang::testing::waitUntil;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    testing::AccessibleDesktop desktop;
    platform::x11::XkbInputSources inputSources(desktop.display);
    platform::x11::X11Workspace workspace(desktop.display);
    service::AccessibilityService service(desktop.accessibility, inputSources, workspace);

    const testing::Mousepad editor;
    if (!editor.isReady() || !waitUntil([&] { return desktop.field() != nullptr; })) {
        std::fprintf(stderr, "the editor never took the focus\n");
        return 1;
    }
    editor.type("ghbdtn");
    editor.key("ctrl+a");
    waitUntil([&] { return service.getSelectedText() == std::optional<std::string>("ghbdtn"); });

    std::vector<double> milliseconds;
    const char* texts[] = {"привет", "ghbdtn"};
    for (int run = 0; run < runs; ++run) {
        const auto started = Clock::now();
        const auto selected = service.getSelectedText();
        const bool written = selected && service.replaceTextInRange(0, 6, texts[run % 2]);
        const double elapsed = millisecondsSince(started);
        if (!written) {
            std::fprintf(stderr, "run %d failed\n", run);
            return 1;
        }
        milliseconds.push_back(elapsed);
        // Select the new text again for the next run, outside the measurement.
        desktop.field()->setSelectedRange({0, 6});
        QCoreApplication::processEvents();
    }
    std::printf(
        "AT-SPI read selection + replace in mousepad, %d runs: median %.2f ms, "
        "p90 %.2f ms, max %.2f ms\n",
        runs, percentile(milliseconds, 0.5), percentile(milliseconds, 0.9),
        percentile(milliseconds, 1.0));
    return 0;
}
