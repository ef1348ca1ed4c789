#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace orbanil {

// A failed file operation; what() is a Spanish sentence naming the file and the reason.
class FileError : public std::runtime_error
{
public:
    FileError(const std::filesystem::path& file, const std::string& reason);

    const std::filesystem::path& file() const { return m_file; }

private:
    std::filesystem::path m_file;
};

} // namespace orbanil
