#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orbanil {

// Inflating stops here whatever a header claims: no cabin or texture comes near it.
inline constexpr std::uint32_t maxInflatedSize = 256u * 1024 * 1024;

// What follows a simulator file's SIMIS header, inflated when the file is compressed.
struct SimisContents
{
    std::string bytes;
    bool utf16 = false; // UTF-16LE text after a byte-order mark
};

// Throws FormatError for a missing header, a zlib stream that is damaged or cut short, one that
// inflates to another size than its header states, or a stated size above maxInflatedSize.
SimisContents simisContents(std::string_view file);

} // namespace orbanil
