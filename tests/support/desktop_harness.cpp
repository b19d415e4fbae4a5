// Qt before Xlib: Xlib's macros break Qt's headers.
#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QThread>
#include <csignal>

// X11
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <poll.h>
#include <xcb/xcb.h>

#include <cstdlib>

#include "desktop_harness.h"

namespace korrelang::testing {

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit,
               std::chrono::microseconds poll) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (true) {
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(static_cast<unsigned long>(poll.count()));
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

bool xServerResponds(std::chrono::milliseconds limit) {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return false;
    }
    const auto cookie = xcb_get_input_focus(connection);
    xcb_flush(connection);
    // Wait for the reply on the socket ourselves: xcb would wait for ever.
    pollfd socket{xcb_get_file_descriptor(connection), POLLIN, 0};
    const bool answered = ::poll(&socket, 1, static_cast<int>(limit.count())) > 0;
    if (answered) {
        std::free(xcb_get_input_focus_reply(connection, cookie, nullptr));
    }
    xcb_disconnect(connection);
    return answered;
}

bool stopOutsideServerGrab(qint64 pid) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        ::kill(static_cast<pid_t>(pid), SIGSTOP);
        if (xServerResponds(std::chrono::milliseconds(300))) {
            return true;
        }
        // Caught inside a grab: let it finish and try again.
        ::kill(static_cast<pid_t>(pid), SIGCONT);
        waitUntil([] { return xServerResponds(std::chrono::milliseconds(300)); },
                  std::chrono::seconds(5));
    }
    return false;
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
