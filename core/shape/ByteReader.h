#pragma once

#include "core/shape/FormatError.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orbanil {

// Little-endian values taken one after another from bytes. Each read names the phrase it throws
// as FormatError when the bytes run out before it ("está cortado en la tabla de líneas").
class ByteReader
{
public:
    explicit ByteReader(std::string_view bytes) : m_bytes(bytes) {}

    std::size_t left() const { return m_bytes.size() - m_at; }

    void need(std::size_t n, const char* cutShort) const
    {
        if (left() < n) {
            throw FormatError(cutShort);
        }
    }

    std::string_view take(std::size_t n, const char* cutShort)
    {
        need(n, cutShort);
        const std::string_view taken = m_bytes.substr(m_at, n);
        m_at += n;
        return taken;
    }

    void skip(std::size_t n, const char* cutShort) { take(n, cutShort); }

    std::uint8_t u8(const char* cutShort) { return static_cast<std::uint8_t>(little(1, cutShort)); }
    std::uint16_t u16(const char* cutShort)
    {
        return static_cast<std::uint16_t>(little(2, cutShort));
    }
    std::uint32_t u32(const char* cutShort)
    {
        return static_cast<std::uint32_t>(little(4, cutShort));
    }
    std::int32_t i32(const char* cutShort) { return static_cast<std::int32_t>(u32(cutShort)); }
    std::uint64_t u64(const char* cutShort) { return little(8, cutShort); }
    float f32(const char* cutShort) { return std::bit_cast<float>(u32(cutShort)); }

private:
    std::uint64_t little(std::size_t n, const char* cutShort)
    {
        const std::string_view bytes = take(n, cutShort);
        std::uint64_t v = 0;
        for (std::size_t i = n; i-- > 0;) {
            v = (v << 8) | static_cast<unsigned char>(bytes[i]);
        }
        return v;
    }

    std::string_view m_bytes;
    std::size_t m_at = 0;
};

} // namespace orbanil
