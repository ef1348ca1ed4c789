#include "files/FileBytes.h"

#include "files/FileCalls.h"
#include "files/FileError.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>

namespace orbanil {

namespace {

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
