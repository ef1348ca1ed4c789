#include "files/FileCalls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbanil {

int openForReading(const std::filesystem::path& path)
{
    // Without waiting: opening a named pipe would otherwise block until someone writes to it.
    return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
}

int createNew(const std::filesystem::path& path)
{
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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

std::error_code moveOver(const std::filesystem::path& from, const std::filesystem::path& target)
{
    std::error_code error;
    std::filesystem::rename(from, target, error);
    return error;
}

} // namespace orbanil
