#include "conversion_request.h"

#include <cstdio>

#include "session_bus_call.h"

namespace korrelang::app {

int ConversionRequest::send() {
    // An accessibility conversion answers within milliseconds; the clipboard paths reply as
    // soon as they are handed to the worker.
    // The running instance's object (see ConversionBus).
    const auto result =
        SessionBusCall::call("org.korrelang.Korrelang", "/org/korrelang/Korrelang",
                             "org.korrelang.Korrelang", "Convert", std::chrono::seconds(10));
    if (!result.replied) {
        std::fprintf(stderr, "korrelang: cannot reach the running instance: %s\n",
                     result.error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace korrelang::app
