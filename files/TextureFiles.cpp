#include "files/TextureFiles.h"

#include "core/text/AsciiCase.h"
#include "files/PathText.h"
#include "files/SimulatorPath.h"

#include <algorithm>
#include <array>
#include <string>

namespace fs = std::filesystem;

namespace orbanil {

namespace {

// How many folders a texture is looked for in, its own and the season folders above it.
constexpr int seasonFolderDepth = 5;
constexpr std::array<std::string_view, 7> seasonFolders = {
    "Autumn", "AutumnSnow", "Snow", "Spring", "SpringSnow", "Winter", "WinterSnow"};

bool isSeasonFolder(std::string_view name)
{
    return std::ranges::any_of(seasonFolders,
                               [name](std::string_view season) { return sameWord(name, season); });
}

// A texture name taken apart: the folders before it, the last separator included, and the
// file's name without and with its extension.
struct TextureName
{
    std::string folders;
    std::string base;
    std::string extension; // lower case, the dot included; empty when there is none
};

TextureName split(std::string_view name)
{
    const std::size_t slash = name.find_last_of("\\/");
    const std::size_t fileStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::string_view file = name.substr(fileStart);
    const std::size_t dot = file.rfind('.');
    TextureName parts{std::string(name.substr(0, fileStart)), std::string(file), {}};
    if (dot != std::string_view::npos) {
        parts.base = file.substr(0, dot);
        for (const char c : file.substr(dot)) {
            parts.extension += asciiLower(c);
        }
    }
    return parts;
}

bool isTexture(const TextureName& name)
{
    return name.extension == ".ace" || name.extension == ".dds";
}

// The last folder of `folders` ("a\Winter\" gives "Winter"), and `folders` without it.
std::pair<std::string_view, std::string_view> lastFolder(std::string_view folders)
{
    const std::string_view trimmed = folders.substr(0, folders.size() - 1);
    const std::size_t slash = trimmed.find_last_of("\\/");
    const std::size_t start = slash == std::string_view::npos ? 0 : slash + 1;
    return {trimmed.substr(start), folders.substr(0, start)};
}

// The folder as an absolute path without a trailing separator, whose name is its last part.
fs::path plainFolder(const fs::path& folder)
{
    std::error_code error;
    fs::path at = fs::absolute(folder, error).lexically_normal();
    return at.has_filename() || at == at.root_path() ? at : at.parent_path();
}

} // namespace

std::optional<fs::path> findDayTexture(const FileAccess& files, const fs::path& folder,
                                       std::string_view name)
{
    TextureName texture = split(name);
    if (!isTexture(texture)) {
        return std::nullopt;
    }
    fs::path at = plainFolder(folder);
    for (int depth = 0; depth < seasonFolderDepth; ++depth) {
        for (const char* extension : {".dds", ".ace"}) {
            const std::string file = texture.folders + texture.base + extension;
            if (auto found = findSimulatorFile(files, at, file)) {
                return found;
            }
        }
        if (texture.folders.empty()) {
            // The folder looked in may be a season's itself.
            if (!isSeasonFolder(pathText(at.filename()))) {
                break;
            }
            at = at.parent_path();
            continue;
        }
        const auto [season, above] = lastFolder(texture.folders);
        if (!isSeasonFolder(season)) {
            break;
        }
        texture.folders = above;
    }
    return std::nullopt;
}

std::optional<fs::path> findNightTexture(const FileAccess& files, const fs::path& folder,
                                         std::string_view name)
{
    const TextureName texture = split(name);
    if (!isTexture(texture)) {
        return std::nullopt;
    }
    const std::string dds = texture.base + ".dds";
    const std::string file = std::string(name.substr(texture.folders.size()));
    std::string night = texture.folders + "Night\\";
    if (!findSimulatorFile(files, folder, night + file) &&
        !findSimulatorFile(files, folder, night + dds)) {
        night = texture.folders + "..\\Night\\";
    }
    if (auto found = findSimulatorFile(files, folder, night + dds)) {
        return found;
    }
    return texture.extension == ".ace" ? findSimulatorFile(files, folder, night + file)
                                       : std::nullopt;
}

} // namespace orbanil
