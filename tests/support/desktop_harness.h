#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace korrelang::testing {

/// Runs the event loop until `condition` holds or `limit` passes, checking every `poll`; returns
/// whether it held. The limit only bounds a failing test: passing tests never wait for it.
/// Benchmarks poll more often, so that the poll does not blur what they time.
bool waitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds limit = std::chrono::seconds(10),
               std::chrono::microseconds poll = std::chrono::milliseconds(2));

/// Runs a program to its end and returns its standard output; an empty string on failure.
std::string runProgram(const QString& program, const QStringList& arguments,
                       const QByteArray& input = {});

/// A child process that is stopped (by its own id) when the object goes away.
class Child {
public:
    Child(const QString& program, const QStringList& arguments,
          const QStringList& extraEnvironment = {});
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    qint64 pid() const { return m_process.processId(); }
    bool isRunning() const { return m_process.state() == QProcess::Running; }

private:
    QProcess m_process;
};

/// mousepad with its own window, focused and empty, ready for keys.
class Mousepad {
public:
    /// Starts the editor; `withAccessibility` false starts it with the accessibility bridge off.
    explicit Mousepad(bool withAccessibility = true);

    /// The editor window is the active window.
    bool isReady() const { return m_ready; }
    qint64 pid() const { return m_child.pid(); }
    const std::string& window() const { return m_window; }

    /// Types text as keysyms (layout-independent) into the focused editor.
    void type(const std::string& text) const;
    /// Presses a key chord with xdotool ("ctrl+a").
    void key(const std::string& chord) const;

private:
    Child m_child;
    std::string m_window;
    bool m_ready = false;
};

/// The id of the active window as xdotool prints it, or empty.
std::string activeWindow();

/// Whether the X server answers a request within `limit`. It does not while a client holds a
/// server grab, as a stopped client caught in the middle of one does for ever.
bool xServerResponds(std::chrono::milliseconds limit);

/// Stops `pid` (SIGSTOP) at a moment when it holds no server grab, so that only the process hangs
/// and not the whole display. Returns false when no such moment came.
bool stopOutsideServerGrab(qint64 pid);

/// Presses and releases one key by its X keycode with XTest, holding `modifiers` (X keycodes)
/// around it: a person typing on whatever layout is active, unlike `xdotool type`, which sends
/// characters.
void tapKey(unsigned keycode, const std::vector<unsigned>& modifiers = {});

}  // namespace korrelang::testing
