#include "files/SimulatorPath.h"

#include "files/FileError.h"
#include "files/FileNames.h"
#include "files/PathText.h"

#include <vector>

namespace fs = std::filesystem;

namespace orbanil {

namespace {

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

std::vector<std::string_view> partsOf(std::string_view name)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || isSeparator(name[i])) {
            if (i > start) {
                parts.push_back(name.substr(start, i - start));
            }
            start = i + 1;
        }
    }
    return parts;
}

// The entry of `folder` that is `part` to the simulator: the exact name first, then one that
// differs only in case.
std::optional<fs::path> entryOf(const FileAccess& files, const fs::path& folder,
                                std::string_view part, bool last)
{
    const EntryKind kind = last ? EntryKind::File : EntryKind::Folder;
    const fs::path name = pathFromText(part);
    if (files.kindOf(folder / name) == kind) {
        return folder / name;
    }
    try {
        for (const fs::path& entry : files.entries(folder, kind)) {
            if (sameNameWithoutCase(entry, name)) {
                return folder / entry;
            }
        }
    } catch (const FileError&) {
        // A folder that cannot be listed holds no other case of the name.
    }
    return std::nullopt;
}

} // namespace

std::optional<fs::path> findSimulatorFile(const FileAccess& files, const fs::path& folder,
                                          std::string_view name)
{
    if (name.empty() || isSeparator(name.front()) || name.find(':') != std::string_view::npos) {
        return std::nullopt;
    }
    std::error_code error;
    fs::path at = fs::absolute(folder, error).lexically_normal();
    if (error) {
        return std::nullopt;
    }
    if (!at.has_filename() && at != at.root_path()) {
        at = at.parent_path(); // "/a/b/" is "/a/b", whose parent is "/a"
    }
    const std::vector<std::string_view> parts = partsOf(name);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        if (parts[i] == "." || parts[i] == "..") {
            if (last) {
                return std::nullopt;
            }
            // As Windows does, ".." takes the name apart rather than following a link.
            at = parts[i] == ".." ? at.parent_path() : at;
            continue;
        }
        const std::optional<fs::path> entry = entryOf(files, at, parts[i], last);
        if (!entry) {
            return std::nullopt;
        }
        at = *entry;
    }
    return parts.empty() ? std::nullopt : std::optional<fs::path>(at);
}

std::string simulatorFileName(std::string_view name)
{
    const std::vector<std::string_view> parts = partsOf(name);
    return parts.empty() ? std::string(name) : std::string(parts.back());
}

} // namespace orbanil
