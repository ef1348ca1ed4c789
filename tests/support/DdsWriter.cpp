#include "tests/support/DdsWriter.h"

#include "tests/support/ShapeWriter.h"

namespace orbanil::testing {

namespace {

DdsPixelFormat rgb(std::uint32_t bits, std::uint32_t red, std::uint32_t green, std::uint32_t blue,
                   std::uint32_t alpha)
{
    return {alpha != 0 ? 0x41u : 0x40u, 0, bits, red, green, blue, alpha};
}

} // namespace

DdsPixelFormat ddsDxt(char digit)
{
    return {0x4, 0x30545844u + static_cast<std::uint32_t>(digit - '0') * 0x1000000u};
}

DdsPixelFormat ddsBgra()
{
    return rgb(32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);
}

DdsPixelFormat ddsBgrx()
{
    return rgb(32, 0xFF0000, 0xFF00, 0xFF, 0);
}

DdsPixelFormat ddsRgba()
{
    return rgb(32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
}

DdsPixelFormat ddsRgbx()
{
    return rgb(32, 0xFF, 0xFF00, 0xFF0000, 0);
}

DdsPixelFormat ddsBgr()
{
    return rgb(24, 0xFF0000, 0xFF00, 0xFF, 0);
}

DdsPixelFormat ddsRgb565()
{
    return rgb(16, 0xF800, 0x7E0, 0x1F, 0);
}

DdsPixelFormat ddsArgb1555()
{
    return rgb(16, 0x7C00, 0x3E0, 0x1F, 0x8000);
}

DdsPixelFormat ddsArgb4444()
{
    return rgb(16, 0xF00, 0xF0, 0xF, 0xF000);
}

std::string ddsFile(const DdsPixelFormat& format, int width, int height, int mipCount,
                    std::string_view data, std::uint32_t caps2)
{
    const auto u32 = [](std::uint64_t v) { return littleEndian(v, 4); };
    std::string out = "DDS ";
    out += u32(124) + u32(0x1007 | (mipCount > 1 ? 0x20000 : 0));
    out += u32(static_cast<std::uint32_t>(height)) + u32(static_cast<std::uint32_t>(width));
    out += u32(0) + u32(0) + u32(static_cast<std::uint32_t>(mipCount));
    out.append(44, '\0');
    out += u32(32) + u32(format.flags) + u32(format.fourCc) + u32(format.bits);
    out += u32(format.red) + u32(format.green) + u32(format.blue) + u32(format.alpha);
    out += u32(0x1000 | (caps2 != 0 ? 0x8 : 0) | (mipCount > 1 ? 0x400008 : 0));
    out += u32(caps2);
    out.append(12, '\0');
    return out + std::string(data);
}

} // namespace orbanil::testing
