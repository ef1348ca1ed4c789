#pragma once

#include "core/text/AsciiCase.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace orbanil {

// Whether two folder or file names are one name to the file system: without regard to case on
// Windows, letters beyond ASCII included; byte for byte elsewhere.
bool sameName(const std::filesystem::path& a, const std::filesystem::path& b);

// Whether two names are one name to the simulator, which runs on Windows: without regard to
// case on every system (elsewhere than on Windows, for ASCII and the accented capitals of
// Latin-1 written in UTF-8: "ASIENTO.ACE" is "asiento.ace", "Ñ" is "ñ").
bool sameNameWithoutCase(const std::filesystem::path& a, const std::filesystem::path& b);

// Whether a file name matches a pattern with "*" and "?", letters compared without regard to
// case, so that "*.s" takes "CAB.S" but not "cab.sms".
bool nameMatches(const std::filesystem::path& name, std::string_view pattern);

// Sorts bare names the way a person reads a listing: without regard to case.
void sortNames(std::vector<std::filesystem::path>& names);

} // namespace orbanil
