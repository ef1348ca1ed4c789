#include "files/FolderListing.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX // std::min, not the macro
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

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

#ifdef _WIN32
// Windows compares file names by their upper-case forms, letters beyond ASCII included ("ñ" is
// "Ñ"), independently of the user's language.
wchar_t foldCase(wchar_t c)
{
    if (c < 0x80) { // ASCII, most of every name, without a call into the system
        return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
    }
    wchar_t upper = c;
    return LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, &c, 1, &upper, 1, nullptr, nullptr,
                         0) == 1
               ? upper
               : c;
}
#else
// Names elsewhere are bytes; only ASCII letters are folded, so that "*.s" takes "CAB.S".
char foldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
#endif

// One folder or file name against another, as the file system compares them.
bool sameName(const fs::path& a, const fs::path& b)
{
#ifdef _WIN32
    const auto& x = a.native();
    const auto& y = b.native();
    return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                      [](wchar_t l, wchar_t r) { return foldCase(l) == foldCase(r); });
#else
    return a == b;
#endif
}

template <typename Char>
bool globMatches(std::basic_string_view<Char> name, std::basic_string_view<Char> pattern)
{
    // Iterative matching with one backtrack point for the last "*": linear in practice.
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starP = std::basic_string_view<Char>::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == Char('*')) {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == Char('?') || foldCase(pattern[p]) == foldCase(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::basic_string_view<Char>::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == Char('*')) {
        ++p;
    }
    return p == pattern.size();
}

bool lessWithoutCase(const fs::path& a, const fs::path& b)
{
    const auto& x = a.native();
    const auto& y = b.native();
    const auto [xi, yi] = std::mismatch(x.begin(), x.end(), y.begin(), y.end(),
                                        [](auto l, auto r) { return foldCase(l) == foldCase(r); });
    if (xi == x.end() && yi == y.end()) {
        return x < y; // equal but for case: upper case first, for a stable order
    }
    if (xi == x.end() || yi == y.end()) {
        return xi == x.end(); // the shorter name, a beginning of the other, comes first
    }
    return foldCase(*xi) < foldCase(*yi);
}

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

bool nameMatches(const fs::path& name, std::string_view pattern)
{
    using Char = fs::path::value_type;
    const fs::path patternPath(std::u8string(pattern.begin(), pattern.end()));
    return globMatches<Char>(name.native(), patternPath.native());
}

void sortNames(std::vector<fs::path>& names)
{
    std::sort(names.begin(), names.end(), lessWithoutCase);
}

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
