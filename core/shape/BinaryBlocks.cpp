// The binary form of a shape's blocks: every block carries its length, so an unknown one is
// passed over whole, and nothing is read past the end of the block that holds it.
#include "core/shape/ByteReader.h"
#include "core/shape/ShapeBlocks.h"
#include "core/text/Utf8.h"

#include <type_traits>

namespace orbanil {

namespace {

const char* const noData = "faltan datos";

class BinaryBlocks final : public BlockSource
{
public:
    explicit BinaryBlocks(std::string_view bytes) : m_blocks{ByteReader(bytes)} {}

    std::optional<BlockStart> enter() override
    {
        ByteReader& outer = m_blocks.back();
        if (outer.left() == 0) {
            return std::nullopt;
        }
        const char* const cutHeader = "está cortado dentro de la cabecera de un bloque";
        constexpr std::size_t headerBytes = 8;
        if (outer.left() < headerBytes + 1) {
            fail(cutHeader);
        }
        const int id = outer.u16(cutHeader);
        outer.u16(cutHeader); // flags, which nothing reads
        const std::uint32_t length = outer.u32(cutHeader);
        const std::string name = tokenName(id);
        if (length > outer.left()) {
            fail("el bloque " + name + " dice ocupar " + std::to_string(length) +
                 " bytes y solo quedan " + std::to_string(outer.left()) +
                 ": está cortado o su longitud es falsa");
        }
        const std::string labelTooLong = "la etiqueta del bloque " + name + " no cabe en él";
        if (length == 0) {
            fail(labelTooLong);
        }
        ByteReader block(outer.take(length, cutHeader));
        const std::size_t labelLength = block.u8(cutHeader);
        if (2 * labelLength > block.left()) {
            fail(labelTooLong);
        }
        BlockStart start{id <= token::last ? id : token::unknown, {}};
        start.label = utf8FromUtf16(block.take(2 * labelLength, cutHeader), false);
        m_open.push_back(name);
        m_blocks.push_back(block);
        return start;
    }

    void leave() override
    {
        m_blocks.pop_back();
        m_open.pop_back();
    }

    bool atEnd() override { return m_blocks.back().left() == 0; }

    std::int32_t readInt() override
    {
        return inBlock([](ByteReader& in) { return in.i32(noData); });
    }
    std::uint32_t readFlags() override
    {
        return inBlock([](ByteReader& in) { return in.u32(noData); });
    }
    float readFloat() override
    {
        return inBlock([](ByteReader& in) { return in.f32(noData); });
    }

    std::string readString() override
    {
        return utf8FromUtf16(inBlock([](ByteReader& in) {
                                 const std::size_t count = in.u16(noData);
                                 return in.take(2 * count, noData);
                             }),
                             false);
    }

private:
    // A read within the current block: running out names the block.
    template <class Read> std::invoke_result_t<Read&, ByteReader&> inBlock(Read read)
    {
        try {
            return read(m_blocks.back());
        } catch (const FormatError& e) {
            fail(e.what());
        }
    }

    // The file, then each block entered, innermost last; each read up to where it has got.
    std::vector<ByteReader> m_blocks;
};

} // namespace

std::unique_ptr<BlockSource> binaryBlocks(std::string_view bytes)
{
    return std::make_unique<BinaryBlocks>(bytes);
}

} // namespace orbanil
