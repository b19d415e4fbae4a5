#pragma once

#include <string>
#include <utility>
#include <vector>

// The (original, translation) pairs of a GNU .mo file; plural forms give their first form.
// Nothing for a file that is not one.
std::vector<std::pair<std::string, std::string>> readMessageCatalogue(const std::string& path);
