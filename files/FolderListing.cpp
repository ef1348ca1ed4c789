#include "files/FolderListing.h"

#include "files/FileError.h"
#include "files/FileNames.h"

#include <system_error>

namespace fs = std::filesystem;

namespace orbanil {

std::vector<fs::path> listFolder(const fs::path& folder, EntryKind kind, std::string_view pattern)
{
    const auto wanted = [&](const fs::directory_entry& entry) {
        std::error_code ignored;
        return (kind == EntryKind::Folder ? entry.is_directory(ignored)
                                          : entry.is_regular_file(ignored)) &&
               nameMatches(entry.path().filename(), pattern);
    };
    std::vector<fs::path> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (wanted(*it)) {
            names.push_back(it->path().filename());
        }
    }
    if (error) {
        throw FileError(folder, error, FileAction::ListFolder);
    }
    sortNames(names);
    return names;
}

std::optional<std::vector<fs::path>> listMatchingFiles(const fs::path& folder,
                                                       std::string_view pattern)
{
    try {
        return listFolder(folder, EntryKind::File, pattern);
    } catch (const FileError&) {
        return std::nullopt;
    }
}

} // namespace orbanil
