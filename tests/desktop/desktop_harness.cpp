// Qt before Xlib: Xlib's macros break Qt's headers.
#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QThread>
#include <csignal>

// X11
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include "desktop_harness.h"

namespace korrelang::testing {

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (true) {
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
}

std::string runProgram(const QString& program, const QStringList& arguments,
                       const QByteArray& input) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(5000)) {
        return {};
    }
    if (!input.isEmpty()) {
        process.write(input);
    }
    process.closeWriteChannel();
    // Keep the event loop running: the program may ask us for the clipboard we own.
    if (!waitUntil([&] { return process.state() == QProcess::NotRunning; },
                   std::chrono::seconds(15))) {
        process.kill();
        process.waitForFinished(3000);
    }
    return process.readAllStandardOutput().toStdString();
}

Child::Child(const QString& program, const QStringList& arguments,
             const QStringList& extraEnvironment) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& entry : extraEnvironment) {
        const auto equals = entry.indexOf('=');
        environment.insert(entry.left(equals), entry.mid(equals + 1));
    }
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.start(program, arguments);
    m_process.waitForStarted(5000);
}

Child::~Child() {
    if (m_process.state() == QProcess::NotRunning) {
        return;
    }
    // A stopped process (a test of hung applications) must be woken to act on SIGTERM.
    ::kill(static_cast<pid_t>(m_process.processId()), SIGCONT);
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

std::string activeWindow() {
    std::string out = runProgram("xdotool", {"getactivewindow"});
    while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) {
        out.pop_back();
    }
    return out;
}

Mousepad::Mousepad(bool withAccessibility)
    : m_child("mousepad", {"--disable-server"},
              withAccessibility ? QStringList{} : QStringList{"NO_AT_BRIDGE=1"}) {
    const QString pid = QString::number(m_child.pid());
    m_ready = waitUntil([&] {
        std::string found = runProgram("xdotool", {"search", "--onlyvisible", "--pid", pid});
        const auto newline = found.find('\n');
        if (newline == std::string::npos) {
            return false;
        }
        found.resize(newline);
        m_window = found;
        if (activeWindow() != m_window) {
            runProgram("xdotool", {"windowactivate", "--sync", QString::fromStdString(m_window)});
        }
        return activeWindow() == m_window;
    });
}

void Mousepad::type(const std::string& text) const {
    runProgram("xdotool", {"type", "--delay", "5", QString::fromStdString(text)});
}

void Mousepad::key(const std::string& chord) const {
    runProgram("xdotool", {"key", "--clearmodifiers", QString::fromStdString(chord)});
}

void tapKey(unsigned keycode, const std::vector<unsigned>& modifiers) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return;
    }
    for (const unsigned modifier : modifiers) {
        XTestFakeKeyEvent(display, modifier, True, CurrentTime);
    }
    XTestFakeKeyEvent(display, keycode, True, CurrentTime);
    XTestFakeKeyEvent(display, keycode, False, CurrentTime);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
        XTestFakeKeyEvent(display, *it, False, CurrentTime);
    }
    XSync(display, False);
    XCloseDisplay(display);
}

}  // namespace korrelang::testing
