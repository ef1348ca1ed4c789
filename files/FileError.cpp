#include "files/FileError.h"

#include "files/PathText.h"

#include <cerrno>

namespace orbanil {

namespace {

std::string sentence(const std::filesystem::path& file, const std::string& reason,
                     FileAction action)
{
    const char* opening = action == FileAction::Save         ? "No se pudo guardar «"
                          : action == FileAction::ListFolder ? "No se pudo leer la carpeta «"
                                                             : "No se pudo leer «";
    return opening + pathText(file) + "»: " + reason + ".";
}

} // namespace

FileError::FileError(const std::filesystem::path& file, const std::string& reason,
                     FileAction action)
    : std::runtime_error(sentence(file, reason, action)), m_file(file)
{}

FileError::FileError(const std::filesystem::path& file, std::error_code code, FileAction action)
    : FileError(file, fileErrorReason(code), action)
{}

std::string fileErrorReason(std::error_code code)
{
    struct Reason
    {
        std::errc condition;
        const char* text;
    };
    static const Reason reasons[] = {
        {std::errc::permission_denied, "no tiene permiso"},
        {std::errc::operation_not_permitted, "no tiene permiso"},
        {std::errc::no_such_file_or_directory, "no existe el archivo o la carpeta"},
        {std::errc::no_space_on_device, "no queda espacio en el disco"},
        {std::errc::filename_too_long, "el nombre es demasiado largo"},
        {std::errc::is_a_directory, "es una carpeta, no un archivo"},
        {std::errc::not_a_directory, "una parte de la ruta no es una carpeta"},
        {std::errc::read_only_file_system, "el disco es de solo lectura"},
        {std::errc::invalid_argument, "el nombre no es válido"},
        {std::errc::illegal_byte_sequence, "el nombre no es válido"},
        {std::errc::file_too_large, "el archivo es demasiado grande"},
        {std::errc::not_enough_memory, "no hay memoria suficiente"},
        {std::errc::io_error, "error de lectura o escritura en el disco"},
        {std::errc::too_many_files_open, "hay demasiados archivos abiertos"},
        {std::errc::device_or_resource_busy, "el archivo está en uso"},
        {std::errc::too_many_symbolic_link_levels, "hay un bucle de enlaces simbólicos"},
        {std::errc::too_many_files_open_in_system, "hay demasiados archivos abiertos"},
    };
    for (const Reason& r : reasons) {
        if (code == r.condition) {
            return r.text;
        }
    }
#ifdef EDQUOT
    // A quota is how a shared disk says it is full; the standard names no condition for it.
    if (code == std::error_condition(EDQUOT, std::generic_category())) {
        return "se ha superado la cuota de espacio en el disco";
    }
#endif
    return "error del sistema (código " + std::to_string(code.value()) + ")";
}

} // namespace orbanil
