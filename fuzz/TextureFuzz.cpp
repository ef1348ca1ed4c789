// Any bytes read as a texture, a .ace and a .dds alike, either give a message (valid UTF-8) or
// levels that halve from the size the file names, within the sides the readers take, with alpha
// bits the simulator knows.
#include "core/shape/DdsImage.h"
#include "core/shape/FormatError.h"
#include "core/shape/TexelFormats.h"
#include "files/CabinFiles.h"
#include "fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>

namespace {

using namespace orbanil;

template <class Read> void check(std::string_view bytes, Read read)
{
    try {
        const CabinTexture texture = read(bytes);
        FUZZ_CHECK(!texture.levels.empty());
        const RgbaImage& largest = texture.levels.front();
        FUZZ_CHECK(largest.width >= 1 && largest.width <= maxTextureSide);
        FUZZ_CHECK(largest.height >= 1 && largest.height <= maxTextureSide);
        for (std::size_t level = 0; level < texture.levels.size(); ++level) {
            const RgbaImage& image = texture.levels[level];
            const auto n = static_cast<int>(level);
            FUZZ_CHECK(image.width == levelSide(largest.width, n));
            FUZZ_CHECK(image.height == levelSide(largest.height, n));
            FUZZ_CHECK(image.pixels.size() == 4 * static_cast<std::size_t>(image.width) *
                                                  static_cast<std::size_t>(image.height));
        }
        const int bits = texture.alphaBits;
        FUZZ_CHECK(bits == 0 || bits == 1 || bits == 4 || bits == 8);
    } catch (const FormatError& e) {
        const std::string_view message = e.what();
        FUZZ_CHECK(!message.empty() && fuzz::isValidUtf8(message));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzz::bytesOf(data, size);
    check(bytes, [](std::string_view b) { return readTextureBytes(b); });
    check(bytes, [](std::string_view b) { return readDdsFile(b); });
    return 0;
}
