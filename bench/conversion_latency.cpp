// Times the running korrelang as a user meets it, in the virtual desktop:
//   scripts/desktop-session -- build/bench/bench_conversion_latency build/bin/korrelang [presses]
// 1. Accessibility path: "ghbdtn" selected in mousepad, Control+Shift+Space held 50 ms and
//    released through XTest; the clock starts just before the Space release and stops when
//    AT-SPI shows "привет".
// 2. Clipboard path: the same in a mousepad without its accessibility bridge; the clock stops
//    at korrelang's success line, which comes after the paste was copied back and checked and
//    the user's clipboard was put back.
// 3. Memory: korrelang's resident set after a warm-up and after 200 conversions of both kinds,
//    with the user's clipboard checked after every clipboard conversion.
#include <QApplication>
#include <QClipboard>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

// X11 after Qt.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include "platform/atspi/atspi_accessibility.h"
#include "platform/x11/active_window.h"

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
        QThread::usleep(1000);
    }
    return true;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

double residentMiB(qint64 pid) {
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
        }
    }
    return -1;
}

class Process {
public:
    Process(const QString& program, const QStringList& arguments, const QStringList& env = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& entry : env) {
            environment.insert(entry.section('=', 0, 0), entry.section('=', 1));
        }
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(program, arguments);
        m_process.waitForStarted(5000);
    }
    ~Process() {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
    qint64 pid() const { return m_process.processId(); }
    int count(const std::string& fragment) {
        m_output += m_process.readAllStandardOutput().toStdString();
        int found = 0;
        for (auto at = m_output.find(fragment); at != std::string::npos;
             at = m_output.find(fragment, at + 1)) {
            ++found;
        }
        return found;
    }
    // Keep the output from growing without bound over hundreds of presses.
    void forget() { m_output.clear(); }

private:
    QProcess m_process;
    std::string m_output;
};

void run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    waitFor([&] { return process.state() == QProcess::NotRunning; });
}

/// Control+Shift+Space as a person presses it; returns the moment the Space release is sent.
Clock::time_point pressHotkey(Display* display) {
    const KeyCode control = XKeysymToKeycode(display, XK_Control_L);
    const KeyCode shift = XKeysymToKeycode(display, XK_Shift_L);
    const KeyCode space = XKeysymToKeycode(display, XK_space);
    XTestFakeKeyEvent(display, control, True, CurrentTime);
    XTestFakeKeyEvent(display, shift, True, CurrentTime);
    XTestFakeKeyEvent(display, space, True, CurrentTime);
    XSync(display, False);
    QThread::msleep(50);
    const auto released = Clock::now();
    XTestFakeKeyEvent(display, space, False, CurrentTime);
    XTestFakeKeyEvent(display, shift, False, CurrentTime);
    XTestFakeKeyEvent(display, control, False, CurrentTime);
    XSync(display, False);
    return released;
}

struct Editor {
    std::unique_ptr<Process> process;
    std::string window;
};

Editor startEditor(bool accessible) {
    Editor editor;
    editor.process =
        std::make_unique<Process>("mousepad", QStringList{"--disable-server"},
                                  accessible ? QStringList{} : QStringList{"NO_AT_BRIDGE=1"});
    const QString pid = QString::number(editor.process->pid());
    waitFor([&] {
        QProcess search;
        search.start("xdotool", {"search", "--onlyvisible", "--pid", pid});
        search.waitForFinished(5000);
        editor.window = search.readAllStandardOutput().split('\n').front().toStdString();
        return !editor.window.empty();
    });
    run("xdotool", {"windowactivate", "--sync", QString::fromStdString(editor.window)});
    return editor;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s path/to/korrelang [presses]\n", argv[0]);
        return 2;
    }
    const int presses = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }

    {
        QSettings file(QString(qgetenv("XDG_CONFIG_HOME")) + "/Korrelang/Korrelang.conf",
                       QSettings::IniFormat);
        file.setValue("selectedKeyboards", QStringList{"xkb.us.English", "xkb.ru.Russian"});
        file.setValue("hasCompletedFirstLaunch", true);
        file.setValue("smartCapitalization", false);
    }
    Process korrelang(argv[1], {});
    if (!waitFor([] {
            return QDBusConnection::sessionBus().interface()->isServiceRegistered(
                "org.korrelang.Korrelang");
        })) {
        std::fprintf(stderr, "korrelang did not start\n");
        return 1;
    }

    auto x11 = platform::x11::DisplayConnection::open();
    platform::x11::ActiveWindow activeWindow(x11);
    platform::atspi::AtspiAccessibility accessibility([&]() -> std::optional<long> {
        const auto window = activeWindow.query();
        return window ? window->pid : std::nullopt;
    });
    const auto field = [&] { return accessibility.focusedElement().element; };

    // 1. The accessibility path.
    std::vector<double> accessibilityMs;
    double rssAfterWarmUp = 0;
    {
        Editor editor = startEditor(true);
        run("xdotool", {"type", "ghbdtn"});
        waitFor([&] {
            auto f = field();
            return f && f->value().value == "ghbdtn";
        });
        for (int i = 0; i < presses + 5; ++i) {
            auto element = field();
            if (!element) {
                std::fprintf(stderr, "no focused field\n");
                return 1;
            }
            const long length = static_cast<long>(
                QString::fromStdString(element->value().value.value_or("")).size());
            element->setSelectedRange({0, length});
            element->setSelectedText("ghbdtn");
            element->setSelectedRange({0, 6});
            waitFor([&] { return element->selectedText().value == "ghbdtn"; });
            const auto released = pressHotkey(display);
            const bool done = waitFor([&] { return element->value().value == "привет"; },
                                      std::chrono::seconds(5));
            const double ms =
                std::chrono::duration<double, std::milli>(Clock::now() - released).count();
            if (!done) {
                std::fprintf(stderr, "press %d: no conversion\n", i);
                return 1;
            }
            if (i >= 5) {  // the first presses warm the caches up
                accessibilityMs.push_back(ms);
            } else if (i == 4) {
                rssAfterWarmUp = residentMiB(korrelang.pid());
            }
            korrelang.forget();
        }
    }
    std::printf("accessibility path, %zu presses: median %.1f ms, p95 %.1f ms, max %.1f ms\n",
                accessibilityMs.size(), percentile(accessibilityMs, 0.5),
                percentile(accessibilityMs, 0.95), percentile(accessibilityMs, 1.0));

    // 2. The clipboard path, and the user's clipboard after each conversion.
    std::vector<double> clipboardMs;
    int lostClipboards = 0;
    const int clipboardPresses = std::max(1, presses / 5);
    {
        Editor editor = startEditor(false);
        run("xdotool", {"type", "ghbdtn"});
        for (int i = 0; i < clipboardPresses; ++i) {
            run("xdotool", {"key", "ctrl+a"});
            run("xdotool", {"type", "ghbdtn"});
            run("xdotool", {"key", "ctrl+a"});
            const QByteArray mine = "user clipboard " + QByteArray::number(i);
            QApplication::clipboard()->setText(QString::fromLatin1(mine));
            waitFor([] { return QApplication::clipboard()->ownsClipboard(); });
            const int before = korrelang.count("✅ Clipboard conversion succeeded!");
            const auto released = pressHotkey(display);
            const bool done = waitFor(
                [&] { return korrelang.count("✅ Clipboard conversion succeeded!") > before; },
                std::chrono::seconds(10));
            const double ms =
                std::chrono::duration<double, std::milli>(Clock::now() - released).count();
            if (!done) {
                std::fprintf(stderr, "clipboard press %d: no conversion\n", i);
                return 1;
            }
            clipboardMs.push_back(ms);
            if (QApplication::clipboard()->text().toLatin1() != mine) {
                ++lostClipboards;
            }
        }
    }
    std::printf(
        "clipboard path, %zu presses: release to success median %.1f ms, "
        "p95 %.1f ms; clipboards lost: %d\n",
        clipboardMs.size(), percentile(clipboardMs, 0.5), percentile(clipboardMs, 0.95),
        lostClipboards);

    const double rssAfter = residentMiB(korrelang.pid());
    std::printf(
        "resident memory: %.1f MiB after warm-up, %.1f MiB after %zu conversions "
        "(%+.1f MiB)\n",
        rssAfterWarmUp, rssAfter, accessibilityMs.size() + clipboardMs.size() + 5,
        rssAfter - rssAfterWarmUp);
    XCloseDisplay(display);
    return lostClipboards == 0 ? 0 : 1;
}
