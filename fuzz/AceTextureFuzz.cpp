// Any bytes read as a texture (.ace) either give a message (valid UTF-8) or an image of the
// size it names, within the sides the reader takes, with one of the three alpha kinds.
#include "core/shape/FormatError.h"
#include "files/CabinFiles.h"
#include "fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbanil;
    try {
        const CabinTexture texture = readTextureBytes(fuzz::bytesOf(data, size));
        FUZZ_CHECK(!texture.levels.empty());
        const RgbaImage& image = texture.levels.front();
        FUZZ_CHECK(image.width >= 1 && image.width <= maxAceSide);
        FUZZ_CHECK(image.height >= 1 && image.height <= maxAceSide);
        FUZZ_CHECK(image.pixels.size() == 4 * static_cast<std::size_t>(image.width) *
                                              static_cast<std::size_t>(image.height));
        FUZZ_CHECK(texture.alphaBits == 0 || texture.alphaBits == 1 || texture.alphaBits == 8);
    } catch (const FormatError& e) {
        const std::string_view message = e.what();
        FUZZ_CHECK(!message.empty() && fuzz::isValidUtf8(message));
    }
    return 0;
}
