#pragma once

#include <filesystem>

namespace orbanil {

// The folder that holds the running program, written with the system's own separators
// ("C:\Orbanil" on Windows, where Qt writes "C:/Orbanil"), so that every path built from it
// and shown in a message reads as the user knows it. Needs the application object.
std::filesystem::path programFolder();

} // namespace orbanil
