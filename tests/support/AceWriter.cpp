#include "tests/support/AceWriter.h"

#include "tests/support/ShapeWriter.h"

#include <vector>

namespace orbanil::testing {

namespace {

struct ChannelSpec
{
    int bits;
    int type; // 2 mask, 3 red, 4 green, 5 blue, 6 alpha
};

std::vector<ChannelSpec> channelsFor(AceAlpha alpha)
{
    std::vector<ChannelSpec> channels{{8, 3}, {8, 4}, {8, 5}};
    if (alpha == AceAlpha::Mask) {
        channels.push_back({1, 2});
    } else if (alpha == AceAlpha::Alpha) {
        channels.push_back({8, 6});
    }
    return channels;
}

std::string header(int options, int width, int height, int format,
                   const std::vector<ChannelSpec>& channels)
{
    std::string out;
    for (const int value : {1, options, width, height, format, static_cast<int>(channels.size())}) {
        out += littleEndian(static_cast<std::uint32_t>(value), 4);
    }
    out.append(128, '\0');
    for (const ChannelSpec& c : channels) {
        out += littleEndian(static_cast<std::uint64_t>(c.bits), 8);
        out += littleEndian(static_cast<std::uint64_t>(c.type), 8);
    }
    return out;
}

// One row of an image as one plane per channel, a 1-bit plane packed from the high bit.
std::string scanline(const RgbaImage& image, int y, const std::vector<ChannelSpec>& channels)
{
    const auto width = static_cast<std::size_t>(image.width);
    const std::uint8_t* row = image.pixels.data() + 4 * width * static_cast<std::size_t>(y);
    std::string line;
    for (const ChannelSpec& c : channels) {
        const std::size_t component = c.type == 2 || c.type == 6 ? 3 : c.type - 3;
        if (c.bits == 8) {
            for (std::size_t x = 0; x < width; ++x) {
                line += static_cast<char>(row[4 * x + component]);
            }
            continue;
        }
        std::string packed((width + 7) / 8, '\0');
        for (std::size_t x = 0; x < width; ++x) {
            if (row[4 * x + 3] >= 128) {
                packed[x / 8] = static_cast<char>(packed[x / 8] | (0x80 >> (x % 8)));
            }
        }
        line += packed;
    }
    return line;
}

// Raw data: the level table (offsets, which nothing reads), then each level's length and bytes.
std::string rawContents(int options, int width, int height, int format,
                        const std::vector<std::string>& levels, AceAlpha alpha)
{
    std::string out = header(options, width, height, format, channelsFor(alpha));
    int count = 1;
    for (int side = width; (options & 0x01) != 0 && side > 1; side /= 2) {
        ++count;
    }
    out.append(4 * static_cast<std::size_t>(count), '\0');
    for (const std::string& level : levels) {
        out += littleEndian(level.size(), 4);
        out += level;
    }
    return out;
}

} // namespace

std::string aceScanlines(const RgbaImage& image, AceAlpha alpha)
{
    return aceScanlines(std::vector<RgbaImage>{image}, alpha);
}

std::string aceScanlines(const std::vector<RgbaImage>& levels, AceAlpha alpha)
{
    const std::vector<ChannelSpec> channels = channelsFor(alpha);
    const RgbaImage& largest = levels.front();
    std::string out =
        header(levels.size() > 1 ? 0x01 : 0, largest.width, largest.height, 0, channels);
    std::size_t rows = 0;
    for (const RgbaImage& level : levels) {
        rows += static_cast<std::size_t>(level.height);
    }
    const std::size_t tableEnd = out.size() + 4 * rows;
    std::string lines;
    for (const RgbaImage& level : levels) {
        for (int y = 0; y < level.height; ++y) {
            out += littleEndian(tableEnd + lines.size(), 4);
            lines += scanline(level, y, channels);
        }
    }
    return out + lines;
}

std::string aceRaw(int surfaceFormat, int width, int height, std::string_view data, AceAlpha alpha)
{
    return rawContents(0x10, width, height, surfaceFormat, {std::string(data)}, alpha);
}

std::string aceRawLevels(int surfaceFormat, int side, const std::vector<std::string>& levels,
                         AceAlpha alpha)
{
    return rawContents(0x11, side, side, surfaceFormat, levels, alpha);
}

std::string aceFile(std::string_view contents)
{
    return "SIMISA@@@@@@@@@@" + std::string(contents);
}

std::string dxt1Block(std::uint16_t c0, std::uint16_t c1, const std::array<int, 16>& indices)
{
    std::string out;
    out += littleEndian(c0, 2);
    out += littleEndian(c1, 2);
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 16; ++i) {
        bits |= static_cast<std::uint32_t>(indices[i] & 3) << (2 * i);
    }
    out += littleEndian(bits, 4);
    return out;
}

std::array<int, 16> dxt1Stripes(Stripe stripe)
{
    std::array<int, 16> indices{};
    for (std::size_t k = 0; k < 16; ++k) {
        indices[k] = static_cast<int>(stripe == Stripe::ByRow ? k / 4 : k % 4);
    }
    return indices;
}

RgbaImage filledImage(int width, int height, std::array<std::uint8_t, 4> rgba)
{
    RgbaImage image{width, height, {}};
    for (int i = 0; i < width * height; ++i) {
        image.pixels.insert(image.pixels.end(), rgba.begin(), rgba.end());
    }
    return image;
}

std::array<std::uint8_t, 4> pixel(const RgbaImage& image, int x, int y)
{
    const auto at = 4 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                         static_cast<std::size_t>(x));
    return {image.pixels[at], image.pixels[at + 1], image.pixels[at + 2], image.pixels[at + 3]};
}

} // namespace orbanil::testing
