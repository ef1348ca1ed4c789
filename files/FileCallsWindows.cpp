#include "files/FileCalls.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#ifndef NOMINMAX
#define NOMINMAX // std::min, not the macro
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace orbanil {

int openForReading(const std::filesystem::path& path)
{
    const int fd = _wopen(path.c_str(), _O_RDONLY | _O_BINARY);
    // Windows answers "access denied" for a folder; the user is told it is a folder.
    if (fd < 0 && errno == EACCES) {
        std::error_code ignored;
        if (std::filesystem::is_directory(path, ignored)) {
            errno = EISDIR;
        }
    }
    return fd;
}

int createNew(const std::filesystem::path& path)
{
    return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
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

// std::filesystem::rename reports most failures here as an input/output error; Windows' own
// code says what went wrong (name too long, folder gone...).
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

} // namespace orbanil
