#pragma once

namespace korrelang::app {

/// The client side of the conversion bus: asks the running instance to convert, as its hotkey
/// would. The C library only, so that a process started per key press (a desktop's own shortcut)
/// reaches the instance in a few milliseconds.
class ConversionRequest {
public:
    /// Returns the process exit status: 0 once the instance took the request, 1 when it could not
    /// be reached (the reason on standard error).
    static int send();
};

}  // namespace korrelang::app
