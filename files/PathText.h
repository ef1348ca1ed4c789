#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orbanil {

// A path as UTF-8 text, for messages and lists.
std::string pathText(const std::filesystem::path& path);

// The same with the system's separators, as the user reads a path: the folder dialogs of
// Windows hand back forward slashes.
std::string nativePathText(std::filesystem::path path);

// The path a UTF-8 text names; Windows would read a plain char string in its code page.
std::filesystem::path pathFromText(std::string_view utf8);

} // namespace orbanil
