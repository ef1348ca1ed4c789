#include "files/PathText.h"

namespace orbanil {

std::string pathText(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string nativePathText(std::filesystem::path path)
{
    return pathText(path.make_preferred());
}

std::filesystem::path pathFromText(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace orbanil
