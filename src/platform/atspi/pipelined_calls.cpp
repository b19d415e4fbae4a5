#include "pipelined_calls.h"

namespace korrelang::platform::atspi {

namespace {

struct PendingUnref {
    void operator()(DBusPendingCall* pending) const { dbus_pending_call_unref(pending); }
};
using Pending = std::unique_ptr<DBusPendingCall, PendingUnref>;

}  // namespace

PipelinedCalls::PipelinedCalls(AtspiAccessible* object) {
    // libatspi makes its own calls on this connection (the application's own, once it offered
    // one), so these arrive in order with them.
    const AtspiObject* base = object != nullptr ? ATSPI_OBJECT(object) : nullptr;
    if (base == nullptr || base->app == nullptr || base->app->bus == nullptr ||
        base->app->bus_name == nullptr || base->path == nullptr) {
        return;
    }
    m_connection = base->app->bus;
    m_destination = base->app->bus_name;
    m_path = base->path;
}

std::size_t PipelinedCalls::add(const char* interface, const char* method,
                                const std::vector<Argument>& arguments) {
    Message request(
        dbus_message_new_method_call(m_destination.c_str(), m_path.c_str(), interface, method));
    if (request) {
        DBusMessageIter iter;
        dbus_message_iter_init_append(request.get(), &iter);
        for (const Argument& argument : arguments) {
            if (const auto* number = std::get_if<std::int32_t>(&argument)) {
                const dbus_int32_t value = *number;
                dbus_message_iter_append_basic(&iter, DBUS_TYPE_INT32, &value);
            } else {
                const char* text = std::get<std::string>(argument).c_str();
                dbus_message_iter_append_basic(&iter, DBUS_TYPE_STRING, &text);
            }
        }
    }
    m_calls.push_back({std::move(request), nullptr});
    return m_calls.size() - 1;
}

std::size_t PipelinedCalls::addProperty(const char* interface, const char* property) {
    return add(DBUS_INTERFACE_PROPERTIES, "Get", {std::string(interface), std::string(property)});
}

bool PipelinedCalls::run(std::chrono::milliseconds timeout) {
    if (!usable()) {
        return false;
    }
    std::vector<Pending> pending;
    pending.reserve(m_calls.size());
    for (Call& call : m_calls) {
        DBusPendingCall* sent = nullptr;
        if (!call.request ||
            !dbus_connection_send_with_reply(m_connection, call.request.get(), &sent,
                                             static_cast<int>(timeout.count())) ||
            sent == nullptr) {
            // Calls already sent are still answered; their answers are dropped unread.
            return false;
        }
        pending.emplace_back(sent);
    }
    dbus_connection_flush(m_connection);
    for (std::size_t i = 0; i < pending.size(); ++i) {
        dbus_pending_call_block(pending[i].get());
        m_calls[i].reply.reset(dbus_pending_call_steal_reply(pending[i].get()));
    }

    return true;
}

std::optional<std::string> PipelinedCalls::error(std::size_t call) const {
    // A call never sent or never answered counts as one that ran out of time.
    DBusMessage* reply = call < m_calls.size() ? m_calls[call].reply.get() : nullptr;
    if (reply == nullptr) {
        return std::string(DBUS_ERROR_NO_REPLY);
    }
    if (dbus_message_get_type(reply) != DBUS_MESSAGE_TYPE_ERROR) {
        return std::nullopt;
    }
    const char* name = dbus_message_get_error_name(reply);
    std::string text = name != nullptr ? name : "error";
    const char* detail = nullptr;
    if (dbus_message_get_args(reply, nullptr, DBUS_TYPE_STRING, &detail, DBUS_TYPE_INVALID) &&
        detail != nullptr) {
        text += std::string(": ") + detail;
    }
    return text;
}

std::optional<DBusMessageIter> PipelinedCalls::firstArgument(std::size_t call, int type) const {
    if (error(call)) {
        return std::nullopt;
    }
    DBusMessageIter iter;
    if (!dbus_message_iter_init(m_calls[call].reply.get(), &iter)) {
        return std::nullopt;
    }
    if (dbus_message_iter_get_arg_type(&iter) == DBUS_TYPE_VARIANT) {
        DBusMessageIter inner;
        dbus_message_iter_recurse(&iter, &inner);
        iter = inner;
    }
    if (dbus_message_iter_get_arg_type(&iter) != type) {
        return std::nullopt;
    }
    return iter;
}

std::optional<bool> PipelinedCalls::boolean(std::size_t call) const {
    auto iter = firstArgument(call, DBUS_TYPE_BOOLEAN);
    if (!iter) {
        return std::nullopt;
    }
    dbus_bool_t value = FALSE;
    dbus_message_iter_get_basic(&*iter, &value);
    return value != FALSE;
}

std::optional<std::int32_t> PipelinedCalls::integer(std::size_t call) const {
    auto iter = firstArgument(call, DBUS_TYPE_INT32);
    if (!iter) {
        return std::nullopt;
    }
    dbus_int32_t value = 0;
    dbus_message_iter_get_basic(&*iter, &value);
    return value;
}

std::optional<std::string> PipelinedCalls::string(std::size_t call) const {
    auto iter = firstArgument(call, DBUS_TYPE_STRING);
    if (!iter) {
        return std::nullopt;
    }
    const char* value = nullptr;
    dbus_message_iter_get_basic(&*iter, &value);
    return std::string(value != nullptr ? value : "");
}

}  // namespace korrelang::platform::atspi
