// Times a whole hotkey press in a real editor, from the release of Space to the converted text
// being readable in the editor: Control+Shift+Space is held 50 ms like a person would, the
// selection is read through AT-SPI, converted and written back. Run it in the virtual desktop:
//   scripts/desktop-session -- build/bench/bench_hotkey_round_trip [runs]
#include <QApplication>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

// X11 after Qt.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include "engine/layout_converter.h"
#include "platform/linux/linux_desktop.h"
#include "service/accessibility_service.h"

using namespace korrelang;
using Clock = std::chrono::steady_clock;

namespace {

template <typename Condition>
bool waitFor(Condition condition, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    const auto deadline = Clock::now() + limit;
    while (!condition()) {
        if (Clock::now() > deadline) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::usleep(500);
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
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    platform::linux_desktop::LinuxDesktop desktop;
    platform::Platform platform = desktop.bundle();
    service::AccessibilityService service(platform.accessibility, platform.inputSources,
                                          platform.workspace);
    const std::vector<std::string> layouts = {"xkb.us.English", "xkb.ru.Russian"};
    bool converted = false;
    platform.hotKeys.registerHotKey(
        platform::Key::space, platform::HotKeyModifier::control | platform::HotKeyModifier::shift,
        {}, [&] {
            const auto text = service.getSelectedText();
            const auto element = service.getFocusedElement();
            if (!text || !element) {
                return;
            }
            const auto range = element->selectedRange();
            const auto result =
                engine::LayoutConverter().convert(*text, layouts, std::nullopt, std::nullopt);
            converted = result && range.succeeded() &&
                        service.replaceTextInRange(range.value->location, range.value->length,
                                                   result->convertedText);
        });

    QProcess editor;
    editor.start("mousepad", {"--disable-server"});
    if (!waitFor([&] { return service.getFocusedElement() != nullptr; })) {
        std::fprintf(stderr, "the editor never took the focus\n");
        return 1;
    }
    QProcess::execute("xdotool", {"type", "ghbdtn"});

    Display* display = XOpenDisplay(nullptr);
    std::vector<double> milliseconds;
    const char* texts[] = {"привет", "ghbdtn"};
    for (int run = 0; run < runs; ++run) {
        service.getFocusedElement()->setSelectedRange({0, 6});
        converted = false;
        XTestFakeKeyEvent(display, 37, True, CurrentTime);  // Control
        XTestFakeKeyEvent(display, 50, True, CurrentTime);  // Shift
        XTestFakeKeyEvent(display, 65, True, CurrentTime);  // Space
        XSync(display, False);
        QThread::msleep(50);
        XTestFakeKeyEvent(display, 65, False, CurrentTime);
        XTestFakeKeyEvent(display, 50, False, CurrentTime);
        XTestFakeKeyEvent(display, 37, False, CurrentTime);
        const auto released = Clock::now();
        XSync(display, False);
        const std::string expected = texts[run % 2];
        const bool done = waitFor([&] {
            const auto element = converted ? service.getFocusedElement() : nullptr;
            return element && element->value().value == expected;
        });
        if (!done) {
            std::fprintf(stderr, "run %d did not convert\n", run);
            return 1;
        }
        milliseconds.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - released).count());
    }
    XCloseDisplay(display);
    std::printf(
        "hotkey release → converted text in mousepad, %d runs: median %.1f ms, "
        "min %.1f ms, p90 %.1f ms, max %.1f ms\n",
        runs, percentile(milliseconds, 0.5), percentile(milliseconds, 0.0),
        percentile(milliseconds, 0.9), percentile(milliseconds, 1.0));
    editor.terminate();
    editor.waitForFinished();
    return 0;
}
