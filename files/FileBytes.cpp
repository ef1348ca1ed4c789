#include "files/FileBytes.h"

#include "files/FileError.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <random>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#ifndef NOMINMAX
#define NOMINMAX // std::min, not the macro
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orbanil {

namespace {

enum class FileKind
{
    Regular,
    Folder,
    Other
};

// What one status call tells of an open file: its kind, and its size when regular.
struct OpenFileStatus
{
    FileKind kind = FileKind::Regular;
    long long size = 0;
};

#ifdef _WIN32
int openForReading(const std::filesystem::path& p)
{
    const int fd = _wopen(p.c_str(), _O_RDONLY | _O_BINARY);
    // Windows answers "access denied" for a folder; the user is told it is a folder.
    if (fd < 0 && errno == EACCES) {
        std::error_code ignored;
        if (std::filesystem::is_directory(p, ignored)) {
            errno = EISDIR;
        }
    }
    return fd;
}
// Replaces target in one step. std::filesystem::rename reports most failures there as an
// input/output error; Windows' own code says what went wrong (name too long, folder gone...).
std::error_code moveOver(const std::filesystem::path& from, const std::filesystem::path& target)
{
    if (MoveFileExW(from.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return {};
    }
    const DWORD code = GetLastError();
    std::error_code ignored;
    if (code == ERROR_ACCESS_DENIED && std::filesystem::is_directory(target, ignored)) {
        return std::make_error_code(std::errc::is_a_directory);
    }
    // A name beyond what Windows takes comes back as "path not found", "invalid name"...
    if (target.filename().native().size() > 255 || target.native().size() >= MAX_PATH) {
        return std::make_error_code(std::errc::filename_too_long);
    }
    return {static_cast<int>(code), std::system_category()};
}
int createNew(const std::filesystem::path& p)
{
    return _wopen(p.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
// Devices such as NUL or CON are opened like files.
OpenFileStatus statusOf(int fd)
{
    struct _stat64 st;
    if (_fstat64(fd, &st) != 0) {
        return {};
    }
    if ((st.st_mode & _S_IFMT) == _S_IFREG) {
        return {FileKind::Regular, st.st_size};
    }
    return {(st.st_mode & _S_IFMT) == _S_IFDIR ? FileKind::Folder : FileKind::Other, 0};
}
long long readSome(int fd, char* data, std::size_t n)
{
    return _read(fd, data, static_cast<unsigned>(std::min<std::size_t>(n, INT_MAX)));
}
long long writeSome(int fd, const char* data, std::size_t n)
{
    return _write(fd, data, static_cast<unsigned>(std::min<std::size_t>(n, INT_MAX)));
}
int syncToDisk(int fd)
{
    return _commit(fd);
}
int closeFile(int fd)
{
    return _close(fd);
}
#else
std::error_code moveOver(const std::filesystem::path& from, const std::filesystem::path& target)
{
    std::error_code error;
    std::filesystem::rename(from, target, error);
    return error;
}
int openForReading(const std::filesystem::path& p)
{
    // Without waiting: opening a named pipe would otherwise block until someone writes to it.
    return ::open(p.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
}
int createNew(const std::filesystem::path& p)
{
    return ::open(p.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
OpenFileStatus statusOf(int fd)
{
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        return {};
    }
    if (S_ISREG(st.st_mode)) {
        return {FileKind::Regular, st.st_size};
    }
    return {S_ISDIR(st.st_mode) ? FileKind::Folder : FileKind::Other, 0};
}
long long readSome(int fd, char* data, std::size_t n)
{
    return ::read(fd, data, n);
}
long long writeSome(int fd, const char* data, std::size_t n)
{
    return ::write(fd, data, n);
}
int syncToDisk(int fd)
{
    return ::fsync(fd);
}
int closeFile(int fd)
{
    return ::close(fd);
}
#endif

std::error_code lastError()
{
    return {errno, std::generic_category()};
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const long long written = writeSome(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = EIO;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A name that never matches "*.obn", so a left-over temporary never shows in the list.
std::filesystem::path temporaryBeside(const std::filesystem::path& target, unsigned number)
{
    char name[32];
    std::snprintf(name, sizeof name, ".orbanil-%08x.tmp", number);
    return target.parent_path() / name;
}

} // namespace

std::string readFileBytes(const std::filesystem::path& path)
{
    const int fd = openForReading(path);
    if (fd < 0) {
        throw FileError(path, lastError());
    }
    // A folder, a device or a pipe: /dev/zero would be read until memory runs out.
    const OpenFileStatus status = statusOf(fd);
    if (status.kind != FileKind::Regular) {
        closeFile(fd);
        if (status.kind == FileKind::Folder) {
            throw FileError(path, std::make_error_code(std::errc::is_a_directory));
        }
        throw FileError(path, "no es un archivo normal");
    }
    // Sized from the file; it still grows if the file grows while being read.
    std::string bytes(static_cast<std::size_t>(std::max(status.size, 0LL)) + 1, '\0');
    std::size_t total = 0;
    for (;;) {
        if (total == bytes.size()) {
            bytes.resize(bytes.size() * 2);
        }
        const long long got = readSome(fd, bytes.data() + total, bytes.size() - total);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            const std::error_code error = lastError();
            closeFile(fd);
            throw FileError(path, error);
        }
        if (got == 0) {
            break;
        }
        total += static_cast<std::size_t>(got);
    }
    closeFile(fd);
    bytes.resize(total);
    return bytes;
}

void replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    std::random_device random;
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 20 && fd < 0; ++attempt) {
        temporary = temporaryBeside(path, random());
        fd = createNew(temporary);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        throw FileError(path, lastError(), FileAction::Save);
    }

    std::error_code failure;
    if (!writeAll(fd, bytes) || syncToDisk(fd) != 0) {
        failure = lastError();
    }
    if (closeFile(fd) != 0 && !failure) {
        failure = lastError();
    }
    if (!failure) {
        failure = moveOver(temporary, path);
    }
    if (failure) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw FileError(path, failure, FileAction::Save);
    }
}

} // namespace orbanil
