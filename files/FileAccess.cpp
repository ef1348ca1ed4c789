#include "files/FileAccess.h"

#include "files/FileBytes.h"

#include <system_error>

namespace orbanil {

std::optional<EntryKind> DiskFileAccess::kindOf(const std::filesystem::path& path) const
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (std::filesystem::is_regular_file(status)) {
        return EntryKind::File;
    }
    if (std::filesystem::is_directory(status)) {
        return EntryKind::Folder;
    }
    return std::nullopt;
}

std::vector<std::filesystem::path> DiskFileAccess::entries(const std::filesystem::path& folder,
                                                           EntryKind kind) const
{
    return listFolder(folder, kind);
}

std::string DiskFileAccess::bytes(const std::filesystem::path& file) const
{
    return readFileBytes(file);
}

} // namespace orbanil
