#pragma once

// The calls into the system that reading and replacing a file need, one source file per system.
// Each returns what the system returns, with errno set on a failure.

#include <cstddef>
#include <filesystem>
#include <system_error>

namespace orbanil {

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

int openForReading(const std::filesystem::path& path);
// Only when no file of that name exists.
int createNew(const std::filesystem::path& path);
OpenFileStatus statusOf(int fd);
long long readSome(int fd, char* data, std::size_t n);
long long writeSome(int fd, const char* data, std::size_t n);
int syncToDisk(int fd);
int closeFile(int fd);

// Replaces target by from in one step.
std::error_code moveOver(const std::filesystem::path& from, const std::filesystem::path& target);

} // namespace orbanil
