// Any bytes read as a texture (.ace) either give a message (valid UTF-8) or an image of the
// size it names, within the sides the reader takes, with one of the three alpha kinds.
#include "core/shape/FormatError.h"
#include "core/shape/TexelFormats.h"
#include "files/CabinFiles.h"
#include "fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbanil;
    try {
        const AceTexture texture = readTextureBytes(fuzz::bytesOf(data, size));
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
        FUZZ_CHECK(texture.alphaBits == 0 || texture.alphaBits == 1 || texture.alphaBits == 8);
    } catch (const FormatError& e) {
        const std::string_view message = e.what();
        FUZZ_CHECK(!message.empty() && fuzz::isValidUtf8(message));
    }
    return 0;
}
