#pragma once

#include <string>

#include "keyboard_detector.h"

namespace korrelang::keyboards {

/// The detector's list as the command line prints it.
class KeyboardListing {
public:
    /// One line per keyboard: identifier, name and language separated by tabs; a fallback list
    /// is preceded by a line saying so.
    static std::string text(const DetectedKeyboards& detected);
    /// A JSON array of objects with the members "id", "name" and "localizedName".
    static std::string json(const DetectedKeyboards& detected);
};

}  // namespace korrelang::keyboards
