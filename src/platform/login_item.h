#pragma once

#include <string>

namespace korrelang::platform {

/// Whether the application starts when the user logs in.
class LoginItem {
public:
    virtual ~LoginItem() = default;

    /// Registers or unregisters the item. On failure returns false and sets `error` to a
    /// readable reason; unregistering an item that is not there succeeds.
    virtual bool setRegistered(bool registered, std::string& error) = 0;
};

}  // namespace korrelang::platform
