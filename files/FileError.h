#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

namespace orbanil {

// What was being done when a file operation failed; it opens the message.
enum class FileAction
{
    Read,       // "No se pudo leer «...»"
    Save,       // "No se pudo guardar «...»"
    ListFolder, // "No se pudo leer la carpeta «...»"
};

// A failed file operation; what() is a Spanish sentence naming the file and the reason,
// e.g. "No se pudo guardar «/ruta/x.obn»: no queda espacio en el disco."
class FileError : public std::runtime_error
{
public:
    FileError(const std::filesystem::path& file, const std::string& reason,
              FileAction action = FileAction::Read);
    FileError(const std::filesystem::path& file, std::error_code code,
              FileAction action = FileAction::Read);

    const std::filesystem::path& file() const { return m_file; }

private:
    std::filesystem::path m_file;
};

// A short Spanish reason for a system error, e.g. "no queda espacio en el disco".
std::string fileErrorReason(std::error_code code);

} // namespace orbanil
