#include "files/Volumes.h"

#include "files/FileNames.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace orbanil {

namespace {

// Kernel and system file systems that hold no user files.
constexpr std::array<std::string_view, 27> pseudoFileSystems = {
    "autofs",  "binfmt_misc",     "bpf",         "cgroup",     "cgroup2",    "configfs",  "debugfs",
    "devpts",  "devtmpfs",        "efivarfs",    "fusectl",    "hugetlbfs",  "mqueue",    "nsfs",
    "proc",    "pstore",          "ramfs",       "rpc_pipefs", "securityfs", "selinuxfs", "sysfs",
    "tracefs", "fuse.gvfsd-fuse", "fuse.portal", "squashfs",   "nfsd",       "rootfs"};

// Folders whose mounts belong to the system, not to the user.
constexpr std::array<std::string_view, 4> systemFolders = {"/proc", "/sys", "/dev", "/run"};

bool isUnder(std::string_view mountPoint, std::string_view folder)
{
    return mountPoint == folder ||
           (mountPoint.starts_with(folder) && mountPoint.size() > folder.size() &&
            mountPoint[folder.size()] == '/');
}

bool isUserMount(std::string_view mountPoint, std::string_view type)
{
    if (std::find(pseudoFileSystems.begin(), pseudoFileSystems.end(), type) !=
        pseudoFileSystems.end()) {
        return false;
    }
    // Removable media land in /run/media on some systems.
    if (isUnder(mountPoint, "/run/media")) {
        return true;
    }
    return std::none_of(systemFolders.begin(), systemFolders.end(),
                        [&](std::string_view folder) { return isUnder(mountPoint, folder); });
}

// The mount table writes blanks, tabs, line ends and backslashes as three octal digits.
std::string unescapeMountField(std::string_view field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string_view digits = field.substr(i + 1, 3);
            if (std::all_of(digits.begin(), digits.end(),
                            [](char c) { return c >= '0' && c <= '7'; })) {
                out += static_cast<char>(((digits[0] - '0') << 6) | ((digits[1] - '0') << 3) |
                                         (digits[2] - '0'));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

bool startsWithFolder(const fs::path& folder, const fs::path& root)
{
    // Drive and root separator apart: Windows writes that separator as "/" or "\".
    if (!sameName(folder.root_name(), root.root_name()) ||
        folder.has_root_directory() != root.has_root_directory()) {
        return false;
    }
    const fs::path rest = folder.relative_path();
    const fs::path start = root.relative_path();
    auto f = rest.begin();
    for (auto r = start.begin(); r != start.end(); ++r, ++f) {
        if (r->empty()) {
            continue; // a trailing separator
        }
        if (f == rest.end() || !sameName(*f, *r)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::vector<fs::path> volumeRootsFromMounts(std::string_view mountsText)
{
    std::vector<fs::path> roots{fs::path("/")};
    std::istringstream lines{std::string(mountsText)};
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device;
        std::string mountPoint;
        std::string type;
        if (!(fields >> device >> mountPoint >> type)) {
            continue;
        }
        mountPoint = unescapeMountField(mountPoint);
        if (mountPoint.empty() || mountPoint.front() != '/' || !isUserMount(mountPoint, type)) {
            continue;
        }
        const fs::path root = fs::path(mountPoint).lexically_normal();
        if (std::find(roots.begin(), roots.end(), root) == roots.end()) {
            roots.push_back(root);
        }
    }
    std::sort(roots.begin() + 1, roots.end());
    return roots;
}

std::vector<fs::path> volumeRoots()
{
    std::vector<fs::path> roots;
#ifdef _WIN32
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        const fs::path root = std::wstring{letter, L':', L'\\'};
        std::error_code error;
        if (fs::exists(root, error)) {
            roots.push_back(root);
        }
    }
#else
    std::ifstream mounts("/proc/self/mounts");
    std::ostringstream text;
    text << mounts.rdbuf();
    for (const fs::path& root : volumeRootsFromMounts(text.str())) {
        // Single files bound into containers are mount points too, but not volumes.
        std::error_code error;
        if (root == "/" || fs::is_directory(root, error)) {
            roots.push_back(root);
        }
    }
#endif
    return roots;
}

fs::path volumeHolding(const fs::path& folder, const std::vector<fs::path>& roots)
{
    fs::path best;
    std::size_t bestLength = 0;
    for (const fs::path& root : roots) {
        const std::size_t length = std::distance(root.begin(), root.end());
        if (startsWithFolder(folder, root) && (best.empty() || length > bestLength)) {
            best = root;
            bestLength = length;
        }
    }
    return best;
}

fs::path volumeStartFolder(const fs::path& root)
{
#ifdef _WIN32
    // "D:" alone names the drive's current folder.
    std::error_code error;
    const fs::path folder = fs::absolute(root.root_name(), error).lexically_normal();
    if (error) {
        return root;
    }
    // Without the trailing separator, as every other folder is named.
    return folder.has_filename() || folder == folder.root_path() ? folder : folder.parent_path();
#else
    return root;
#endif
}

fs::path currentFolder()
{
    std::error_code error;
    fs::path folder = fs::current_path(error);
    return error ? fs::path() : folder;
}

std::vector<fs::path> pathFromRoot(const fs::path& folder)
{
    const fs::path normal = folder.lexically_normal();
    std::vector<fs::path> chain;
    fs::path step = normal.root_path();
    if (!step.empty()) {
        chain.push_back(step);
    }
    for (const fs::path& part : normal.relative_path()) {
        if (part.empty() || part == ".") {
            continue;
        }
        step /= part;
        chain.push_back(step);
    }
    return chain;
}

} // namespace orbanil
