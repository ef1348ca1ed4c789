#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orbanil {

// Every line of the help file followed by CR LF. Throws FileError.
std::string readHelpFile(const std::filesystem::path& path);

// The same over the file's bytes, decoded as saved code files are (utf8FromMarkedText): lines
// end at CR LF, CR or LF; a last line without a line end is kept; blanks, commas and quotes stay.
std::string helpTextFromBytes(std::string_view bytes);

} // namespace orbanil
