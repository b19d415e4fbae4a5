// Times a whole hotkey press on KWin: Control+Shift+Space goes in through fake input, KWin hands
// it to the real korrelang through the GlobalShortcuts portal, korrelang reads the selection in
// Mousepad through AT-SPI, converts it and writes it back. The clock runs from just before the
// chord (pressed and released at once) until the converted text is readable. Run it in the
// headless KWin session. A second figure times the portal's share alone: a chord of the
// benchmark's own, from fake input to the portal's signal in this process.
//
//   scripts/kwin-session -- build/bench/bench_kwin_hotkey_round_trip [runs]
#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "platform/atspi/atspi_accessibility.h"
#include "platform/key_codes.h"
#include "platform/kwin/fake_input_keys.h"
#include "platform/kwin/kde_keyboard_layouts.h"
#include "platform/kwin/kwin_active_window.h"
#include "platform/portal/global_shortcuts_portal.h"

using namespace korrelang;
using korrelang::platform::Modifier;
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
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

std::string text(platform::TextElement& element) {
    return element.value().value.value_or("");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Korrelang";
    QDir().mkpath(config);
    QFile settings(config + "/Korrelang.conf");
    settings.open(QIODevice::WriteOnly | QIODevice::Truncate);
    settings.write(
        "[General]\nhasCompletedFirstLaunch=true\nhasAcceptedTerms=true\n"
        "selectedKeyboards=xkb.us.English, xkb.ru.Russian\nsmartCapitalization=false\n"
        "startAtLogin=false\nanalyticsEnabled=false\nautoSwitchKeyboard=false\n");
    settings.close();

    platform::kwin::KwinActiveWindow window;
    platform::kwin::FakeInputKeys keys([&] {
        const auto active = window.current();
        return active ? active->processId : std::nullopt;
    });
    platform::atspi::AtspiAccessibility accessibility([&] {
        const auto active = window.current();
        return active ? active->processId : std::nullopt;
    });
    QProcess korrelang;
    const QString session = qEnvironmentVariable("KORRELANG_SESSION_DIR");
    korrelang.setStandardOutputFile(session.isEmpty() ? QProcess::nullDevice()
                                                      : session + "/korrelang.log");
    korrelang.start(QStringLiteral(KORRELANG_BINARY), {});
    QProcess mousepad;
    mousepad.start(QStringLiteral("mousepad"), {QStringLiteral("--disable-server")});
    std::shared_ptr<platform::TextElement> element;
    const bool ready = waitFor([&] {
                           return QDBusConnection::sessionBus()
                               .interface()
                               ->isServiceRegistered(QStringLiteral("org.korrelang.Korrelang"))
                               .value();
                       }) &&
                       waitFor([&] {
                           const auto active = window.current();
                           if (!active || active->processId != mousepad.processId()) {
                               return false;
                           }
                           element = accessibility.focusedElement().element;
                           return element != nullptr;
                       });
    if (!ready || !keys.isAvailable()) {
        std::fprintf(stderr, "bench: korrelang, Mousepad or fake input did not come up\n");
        return 1;
    }
    // The portal binds after korrelang took its name.
    QThread::msleep(1000);

    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const long length = static_cast<long>(QString::fromStdString(text(*element)).size());
        element->deleteText({0, length});
        element->insertText(0, "ghbdtn");
        element->setSelectedRange({0, 6});
        QThread::msleep(150);
        const auto start = Clock::now();
        keys.simulateKeyPress(KEY_SPACE, Modifier::Control | Modifier::Shift);
        if (!waitFor([&] { return text(*element) == "привет"; }, std::chrono::seconds(3))) {
            std::fprintf(stderr, "bench: run %d did not convert (text %s)\n", run,
                         text(*element).c_str());
            continue;
        }
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        // korrelang places the caret after the text it wrote: let it finish before the next run.
        QThread::msleep(300);
    }
    korrelang.terminate();
    korrelang.waitForFinished(5000);

    platform::portal::GlobalShortcutsPortal portal;
    int released = 0;
    portal.registerHotKey(KEY_Z, Modifier::Control | Modifier::Alt, {}, [&] { ++released; });
    waitFor(
        [&] { return portal.state() == platform::portal::GlobalShortcutsPortal::State::bound; });
    std::vector<double> portalTimes;
    for (int run = 0; run < runs; ++run) {
        const int before = released;
        const auto start = Clock::now();
        keys.simulateKeyPress(KEY_Z, Modifier::Control | Modifier::Alt);
        if (waitFor([&] { return released > before; }, std::chrono::seconds(3))) {
            portalTimes.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
        QThread::msleep(50);
    }
    if (!portalTimes.empty()) {
        std::printf(
            "chord to the portal's release signal, %zu of %d runs: median %.1f ms, "
            "p95 %.1f ms\n",
            portalTimes.size(), runs, percentile(portalTimes, 0.5), percentile(portalTimes, 0.95));
    }
    mousepad.terminate();
    mousepad.waitForFinished(5000);
    if (times.empty()) {
        return 1;
    }
    std::printf(
        "chord to converted text on KWin, %zu of %d runs: median %.1f ms, p95 %.1f ms, "
        "min %.1f ms, max %.1f ms\n",
        times.size(), runs, percentile(times, 0.5), percentile(times, 0.95),
        *std::min_element(times.begin(), times.end()),
        *std::max_element(times.begin(), times.end()));
    return times.size() == static_cast<std::size_t>(runs) ? 0 : 1;
}
