// Times one hotkey press's accessibility work in a real editor: read the selection, then replace
// it, as the conversion flow does. Run it inside the virtual desktop:
//   scripts/desktop-session -- build/bench/bench_atspi_round_trip [runs]
#include <QApplication>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "platform/atspi/atspi_accessibility.h"
#include "platform/x11/active_window.h"
#include "platform/x11/x11_workspace.h"
#include "platform/x11/xkb_input_sources.h"
#include "service/accessibility_service.h"

using namespace korrelang;
using Clock = std::chrono::steady_clock;

namespace {

void xdotool(const QStringList& arguments) {
    QProcess::execute("xdotool", arguments);
}

template <typename Condition>
bool waitFor(Condition condition) {
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (Clock::now() > deadline) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
    return true;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    QProcess editor;
    editor.start("mousepad", {"--disable-server"});
    if (!editor.waitForStarted()) {
        std::fprintf(stderr, "mousepad did not start\n");
        return 1;
    }
    auto display = platform::x11::DisplayConnection::open();
    platform::x11::ActiveWindow activeWindow(display);
    platform::atspi::AtspiAccessibility accessibility([&]() -> std::optional<long> {
        const auto window = activeWindow.query();
        return window ? window->pid : std::nullopt;
    });
    platform::x11::XkbInputSources inputSources(display);
    platform::x11::X11Workspace workspace(display);
    service::AccessibilityService service(accessibility, inputSources, workspace);

    const bool ready = waitFor([&] {
        const auto window = activeWindow.query();
        return window && window->pid == editor.processId() &&
               accessibility.focusedElement().element != nullptr;
    });
    if (!ready) {
        std::fprintf(stderr, "the editor never took the focus\n");
        return 1;
    }
    xdotool({"type", "ghbdtn"});
    xdotool({"key", "ctrl+a"});
    waitFor([&] { return service.getSelectedText() == std::optional<std::string>("ghbdtn"); });

    std::vector<double> milliseconds;
    const char* texts[] = {"привет", "ghbdtn"};
    for (int run = 0; run < runs; ++run) {
        const auto started = Clock::now();
        const auto selected = service.getSelectedText();
        const bool written = selected && service.replaceTextInRange(0, 6, texts[run % 2]);
        const auto elapsed = std::chrono::duration<double, std::milli>(Clock::now() - started);
        if (!written) {
            std::fprintf(stderr, "run %d failed\n", run);
            return 1;
        }
        milliseconds.push_back(elapsed.count());
        // Select the new text again for the next run, outside the measurement.
        accessibility.focusedElement().element->setSelectedRange({0, 6});
        QCoreApplication::processEvents();
    }
    std::printf(
        "AT-SPI read selection + replace in mousepad, %d runs: median %.2f ms, "
        "p90 %.2f ms, max %.2f ms\n",
        runs, percentile(milliseconds, 0.5), percentile(milliseconds, 0.9),
        percentile(milliseconds, 1.0));
    editor.terminate();
    editor.waitForFinished();
    return 0;
}
