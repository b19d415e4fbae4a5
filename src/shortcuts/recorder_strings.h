#pragma once

#include <QString>

namespace korrelang::shortcuts {

/// The recorder's user-facing texts, looked up by key, in the user's language; an unknown key
/// reads as itself so that a missing entry shows up instead of an empty label.
class RecorderStrings {
public:
    static QString text(const char* key);
};

}  // namespace korrelang::shortcuts
