#pragma once

#include <atspi/atspi.h>
#include <dbus/dbus.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace korrelang::platform::atspi {

/// Calls to one accessible object, all sent before any answer is awaited. An application handles
/// the calls already waiting for it one after another; made one at a time, it goes back to its
/// main loop after each and may redraw there, a few milliseconds of software rendering between
/// two edits of one replacement. The answers are read in the order of the calls.
class PipelinedCalls {
public:
    using Argument = std::variant<std::int32_t, std::string>;

    explicit PipelinedCalls(AtspiAccessible* object);

    /// Whether the object has a connection and a path to call on.
    bool usable() const { return m_connection != nullptr && !m_path.empty(); }

    /// Adds a call of `method` of `interface` ("org.a11y.atspi.Text"…); returns its index.
    std::size_t add(const char* interface, const char* method,
                    const std::vector<Argument>& arguments);
    /// Adds a read of a property; its answer is a variant.
    std::size_t addProperty(const char* interface, const char* property);

    /// Sends every call, then waits for every answer, each bounded by `timeout` from the send.
    /// False when a call could not even be sent (the connection is gone).
    bool run(std::chrono::milliseconds timeout);

    /// The error the call got ("org.freedesktop.DBus.Error.NoReply: …"), nothing when it got an
    /// answer.
    std::optional<std::string> error(std::size_t call) const;
    /// The answer as a boolean, an integer (also inside a variant), a string.
    std::optional<bool> boolean(std::size_t call) const;
    std::optional<std::int32_t> integer(std::size_t call) const;
    std::optional<std::string> string(std::size_t call) const;

private:
    struct MessageUnref {
        void operator()(DBusMessage* message) const { dbus_message_unref(message); }
    };
    using Message = std::unique_ptr<DBusMessage, MessageUnref>;
    struct Call {
        Message request;
        Message reply;
    };

    /// The reply's first argument, opened (a variant's content when it is one), or nothing.
    std::optional<DBusMessageIter> firstArgument(std::size_t call, int type) const;

    DBusConnection* m_connection = nullptr;
    std::string m_destination;
    std::string m_path;
    std::vector<Call> m_calls;
};

}  // namespace korrelang::platform::atspi
