// The binary form of a shape's blocks: every block carries its length, so an unknown one is
// passed over whole, and nothing is read past the end of the block that holds it.
#include "core/shape/ShapeBlocks.h"
#include "core/text/Utf8.h"

#include <bit>

namespace orbanil {

namespace {

class BinaryBlocks final : public BlockSource
{
public:
    explicit BinaryBlocks(std::string_view bytes) : m_bytes(bytes) {}

    std::optional<BlockStart> enter() override
    {
        if (m_at == end()) {
            return std::nullopt;
        }
        constexpr std::size_t headerBytes = 8;
        if (end() - m_at < headerBytes + 1) {
            fail("está cortado dentro de la cabecera de un bloque");
        }
        const int id = static_cast<int>(little(2));
        little(2); // flags, which nothing reads
        const std::uint32_t length = little(4);
        const std::string name = tokenName(id);
        if (length > end() - m_at) {
            fail("el bloque " + name + " dice ocupar " + std::to_string(length) +
                 " bytes y solo quedan " + std::to_string(end() - m_at) +
                 ": está cortado o su longitud es falsa");
        }
        const std::size_t blockEnd = m_at + length;
        const std::size_t labelLength = static_cast<unsigned char>(m_bytes[m_at++]);
        if (length == 0 || 2 * labelLength > blockEnd - m_at) {
            fail("la etiqueta del bloque " + name + " no cabe en él");
        }
        BlockStart start{id <= token::last ? id : token::unknown, {}};
        start.label = utf8FromUtf16(m_bytes.substr(m_at, 2 * labelLength), false);
        m_at += 2 * labelLength;
        m_open.push_back(name);
        m_ends.push_back(blockEnd);
        return start;
    }

    void leave() override
    {
        m_at = m_ends.back();
        m_ends.pop_back();
        m_open.pop_back();
    }

    bool atEnd() override { return m_at == end(); }

    std::int32_t readInt() override { return static_cast<std::int32_t>(value(4)); }
    std::uint32_t readFlags() override { return value(4); }
    float readFloat() override { return std::bit_cast<float>(value(4)); }

    std::string readString() override
    {
        const std::size_t count = value(2);
        need(2 * count);
        const std::string text = utf8FromUtf16(m_bytes.substr(m_at, 2 * count), false);
        m_at += 2 * count;
        return text;
    }

private:
    std::size_t end() const { return m_ends.empty() ? m_bytes.size() : m_ends.back(); }

    void need(std::size_t n) const
    {
        if (end() - m_at < n) {
            fail("faltan datos");
        }
    }

    std::uint32_t value(std::size_t n)
    {
        need(n);
        return little(n);
    }

    // n bytes, little-endian, that are known to be there.
    std::uint32_t little(std::size_t n)
    {
        std::uint32_t v = 0;
        for (std::size_t i = n; i-- > 0;) {
            v = (v << 8) | static_cast<unsigned char>(m_bytes[m_at + i]);
        }
        m_at += n;
        return v;
    }

    std::string_view m_bytes;
    std::size_t m_at = 0;
    std::vector<std::size_t> m_ends; // where each block entered ends, innermost last
};

} // namespace

std::unique_ptr<BlockSource> binaryBlocks(std::string_view bytes)
{
    return std::make_unique<BinaryBlocks>(bytes);
}

} // namespace orbanil
