#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace korrelang::app {

/// One method call without arguments on the session bus, spoken directly on the bus's socket:
/// no D-Bus library, no thread, nothing loaded but the C library. A process started per key
/// press (a desktop's own shortcut) spends most of its time loading and setting up a library,
/// which the press would wait for; this costs a connect, one authentication line and two
/// messages. Blocking.
class SessionBusCall {
public:
    struct Result {
        bool replied = false;  ///< a method return came
        std::string error;     ///< otherwise why not: the bus's error name and message, or ours
    };

    /// Calls `member` on `destination` at `path`, `interface`, through the first usable
    /// unix-socket entry of `address` (DBUS_SESSION_BUS_ADDRESS's form; nothing means the
    /// environment's, else $XDG_RUNTIME_DIR/bus); waits for the reply at most `timeout`.
    static Result call(const std::string& destination, const std::string& path,
                       const std::string& interface, const std::string& member,
                       std::chrono::milliseconds timeout,
                       std::optional<std::string> address = std::nullopt);
};

}  // namespace korrelang::app
