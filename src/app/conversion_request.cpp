#include "conversion_request.h"

#include <gio/gio.h>

#include <cstdio>

namespace korrelang::app {
namespace {

// The running instance's object (see ConversionBus).
constexpr const char* kService = "org.korrelang.Korrelang";
constexpr const char* kPath = "/org/korrelang/Korrelang";
constexpr const char* kInterface = "org.korrelang.Korrelang";

}  // namespace

int ConversionRequest::send() {
    // A desktop shortcut starts a process per press: GDBus answers without Qt's bus machinery
    // (its library loaded at run time, its own thread), which the press would wait for.
    GError* error = nullptr;
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    if (!bus) {
        std::fprintf(stderr, "korrelang: no session bus: %s\n", error->message);
        g_error_free(error);
        return 1;
    }
    // An accessibility conversion answers within milliseconds; the clipboard paths reply as
    // soon as they are handed to the worker.
    GVariant* reply =
        g_dbus_connection_call_sync(bus, kService, kPath, kInterface, "Convert", nullptr, nullptr,
                                    G_DBUS_CALL_FLAGS_NONE, 10'000, nullptr, &error);
    g_object_unref(bus);
    if (!reply) {
        std::fprintf(stderr, "korrelang: cannot reach the running instance: %s\n", error->message);
        g_error_free(error);
        return 1;
    }
    g_variant_unref(reply);
    return 0;
}

}  // namespace korrelang::app
