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
    std::string text;
    text.reserve(2 * bytes.size() + 2); // lone line feeds double at most
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t lineEnd = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        text.append(bytes, start, lineEnd - start);
        text += "\r\n";
        start = lineEnd + (bytes.substr(lineEnd, 2) == "\r\n" ? 2 : 1);
    }
    return windows1252ToUtf8(text);
}

} // namespace orbanil
