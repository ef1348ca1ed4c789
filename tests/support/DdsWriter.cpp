#include "tests/support/DdsWriter.h"

#include "tests/support/ShapeWriter.h"

namespace orbanil::testing {

std::string ddsFile(const DdsPixelFormat& format, int width, int height, int mipCount,
                    std::string_view data, std::uint32_t caps2)
{
    std::string out = "DDS ";
    for (const std::uint64_t v :
         {124u, 0x1007u | (mipCount > 1 ? 0x20000u : 0u), static_cast<unsigned>(height),
          static_cast<unsigned>(width), 0u, 0u, static_cast<unsigned>(mipCount)}) {
        out += littleEndian(v, 4);
    }
    out.append(44, '\0');
    for (const std::uint64_t v :
         {32u, format.flags, format.fourCc, format.bits, format.red, format.green, format.blue,
          format.alpha, 0x1000u | (caps2 != 0 ? 0x8u : 0u), caps2}) {
        out += littleEndian(v, 4);
    }
    out.append(12, '\0');
    return out + std::string(data);
}

} // namespace orbanil::testing
