#include "files/FolderListing.h"

#include "files/FileNames.h"

#include <system_error>

namespace fs = std::filesystem;

namespace orbanil {

namespace {

// Walks folder once; keep(entry) decides which names are returned.
template <typename Keep>
std::optional<std::vector<fs::path>> listNames(const fs::path& folder, Keep keep)
{
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) {
        return std::nullopt;
    }
    std::vector<fs::path> names;
    for (const fs::directory_iterator end; it != end; it.increment(error)) {
        if (keep(*it)) {
            names.push_back(it->path().filename());
        }
    }
    if (error) {
        return std::nullopt;
    }
    sortNames(names);
    return names;
}

} // namespace

std::optional<std::vector<fs::path>> listSubfolders(const fs::path& folder)
{
    return listNames(folder, [](const fs::directory_entry& entry) {
        std::error_code error;
        return entry.is_directory(error);
    });
}

std::optional<std::vector<fs::path>> listMatchingFiles(const fs::path& folder,
                                                       std::string_view pattern)
{
    return listNames(folder, [&](const fs::directory_entry& entry) {
        std::error_code error;
        return entry.is_regular_file(error) && nameMatches(entry.path().filename(), pattern);
    });
}

} // namespace orbanil
