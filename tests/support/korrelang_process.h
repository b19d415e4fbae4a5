#pragma once

#include <QProcess>
#include <QString>
#include <string>

namespace korrelang::testing {

/// The real korrelang running in the session, its standard output and error collected; stopped
/// when the object goes away.
class KorrelangProcess {
public:
    /// Starts `binary` and waits until it owns its bus name, which it takes last, after the
    /// hotkey grab: owning it means ready.
    explicit KorrelangProcess(const QString& binary);
    ~KorrelangProcess();
    KorrelangProcess(const KorrelangProcess&) = delete;
    KorrelangProcess& operator=(const KorrelangProcess&) = delete;

    bool isReady() const { return m_ready; }
    qint64 pid() const { return m_process.processId(); }

    /// How many times `fragment` appears in the output so far.
    int linesWith(const std::string& fragment);
    /// Waits for the `count`-th line containing `fragment` since the start; on failure prints
    /// the whole output.
    bool waitForLine(const std::string& fragment, int count = 1);
    /// The output since the start or the last `forget`.
    const std::string& output() {
        linesWith({});
        return m_output;
    }
    /// Drops the output read so far, so that it does not grow over hundreds of presses.
    void forget() { m_output.clear(); }

private:
    QProcess m_process;
    std::string m_output;
    bool m_ready = false;
};

}  // namespace korrelang::testing
