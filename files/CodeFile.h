#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbanil {

// Program folder, separator, the name exactly as typed, ".obn".
std::filesystem::path savedFilePath(const std::filesystem::path& folder, std::string_view name);

// A Spanish sentence saying why a typed name cannot be used for saving (empty or all blanks, a
// folder part, a control character, or on Windows one of <>:"|?* or a device name such as
// CON); nothing when it can.
std::optional<std::string> savedNameProblem(std::string_view name);

// The saved file that saving under `name` would replace, its name as the folder spells it (on
// Windows "Coche.obn" for "coche", names being one there without regard to case); nothing when
// there is none. Where the folder cannot be listed, the file of that very name, if there is one.
std::optional<std::string> replacedSavedFile(const std::filesystem::path& folder,
                                             std::string_view name);

// Writes the code text and one CR LF in Windows-1252, atomically. A character that
// Windows-1252 cannot hold is refused before anything is written. Throws FileError.
void saveCodeFile(const std::filesystem::path& path, std::string_view codeText);

// The code text that opening gives: every field of the file followed by CR LF. Throws FileError.
std::string readCodeFile(const std::filesystem::path& path);

// The reading rule over the bytes of a saved file (Windows-1252, or UTF-8 without a mark or
// after one, or UTF-16 after one, as utf8FromMarkedText reads them), giving UTF-8 text. Fields
// are separated by line ends (CR LF, CR or LF); blanks and tabs before a field are
// skipped; a field opening with a double quote that closes on the same line loses both quotes,
// and what follows the closing quote up to the separator stays in the field.
std::string codeTextFromBytes(std::string_view bytes);

// Names of the files in the folder ending in ".obn" (any case), hidden ones included, sorted
// without regard to case, as the pickers sort. Throws FileError.
std::vector<std::string> listSavedFiles(const std::filesystem::path& folder);

} // namespace orbanil
