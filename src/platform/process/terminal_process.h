#pragma once

#include <string>

namespace korrelang::platform::process {

/// Tells terminal emulators from other programs by what they do rather than by their name: a
/// terminal emulator holds the master side of a pseudo-terminal (an open `/dev/ptmx`), and the
/// shell it runs the other side.
class TerminalProcess {
public:
    /// Whether process `pid` holds a pseudo-terminal master. False when the process does not
    /// exist or its descriptors cannot be read (another user's process): the caller then treats
    /// the window as an ordinary application. `procRoot` is the proc file system to look in.
    static bool holdsPseudoTerminalMaster(long pid, const std::string& procRoot = "/proc");
};

}  // namespace korrelang::platform::process
