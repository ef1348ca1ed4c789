#include "files/HelpFile.h"

#include "files/FileBytes.h"
#include "files/Windows1252.h"

#include <algorithm>

namespace orbanil {

std::string readHelpFile(const std::filesystem::path& path)
{
    return helpTextFromBytes(readFileBytes(path));
}

std::string helpTextFromBytes(std::string_view bytes)
{
    // Decoded first, so that a UTF-16 unit holding the byte of a line end splits nothing.
    const std::string utf8 = utf8FromMarkedText(bytes);
    const std::string_view decoded = utf8;
    std::string text;
    text.reserve(2 * decoded.size() + 2); // lone line feeds double at most
    std::size_t start = 0;
    while (start < decoded.size()) {
        const std::size_t lineEnd = std::min(decoded.find_first_of("\r\n", start), decoded.size());
        text.append(decoded, start, lineEnd - start);
        text += "\r\n";
        start = lineEnd + (decoded.substr(lineEnd, 2) == "\r\n" ? 2 : 1);
    }
    return text;
}

} // namespace orbanil
