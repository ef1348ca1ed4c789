#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbanil {

// The token ids of a shape's blocks: the binary form stores the id, the text form its name.
// A shape uses ids 0–131; the reader needs these.
namespace token {
enum : int
{
    unknown = -1,
    comment = 1,
    point = 2,
    vector = 3,
    normals = 5,
    points = 7,
    uv_point = 8,
    uv_points = 9,
    image = 13,
    images = 14,
    texture = 15,
    textures = 16,
    lod_controls = 31,
    lod_control = 32,
    distance_level_header = 34,
    distance_levels = 36,
    distance_level = 37,
    sub_objects = 38,
    sub_object = 39,
    vtx_state = 46,
    vtx_states = 47,
    vertex = 48,
    vertex_uvs = 49,
    vertices = 50,
    primitives = 53,
    prim_state = 54,
    prim_states = 55,
    prim_state_idx = 56,
    indexed_trilist = 60,
    tex_idxs = 61,
    vertex_idxs = 63,
    matrix = 65,
    matrices = 66,
    hierarchy = 67,
    shape = 71,
    shader_names = 72,
    light_model_cfgs = 79,
    light_model_cfg = 80,
    uv_ops = 81,
    named_shader = 129,
    last = 131,
};
} // namespace token

// A block's name as the text form writes it ("lod_control"); "bloque N" for an id past the list.
std::string tokenName(int id);
// The id of a name in the text form, without regard to case; token::unknown for any other.
int tokenId(std::string_view name);

// The start of a block: its token and the label that may stand between keyword and "("
// ("matrix PUERTA ( … )").
struct BlockStart
{
    int token = token::unknown;
    std::string label;
};

// A shape's blocks read one after another, the same way for both forms. Every fault throws
// FormatError saying what is wrong and in which block.
class BlockSource
{
public:
    virtual ~BlockSource() = default;

    // Enters the next block inside the current one (at the start, the first of the file);
    // nothing, with nothing taken, at the current block's end.
    virtual std::optional<BlockStart> enter() = 0;
    // Passes over what is left of the current block, its end included.
    virtual void leave() = 0;
    // Whether the current block holds nothing more.
    virtual bool atEnd() = 0;

    virtual std::int32_t readInt() = 0;
    virtual std::uint32_t readFlags() = 0;
    virtual float readFloat() = 0;
    virtual std::string readString() = 0;

protected:
    [[noreturn]] void fail(const std::string& what) const;

    std::vector<std::string> m_open; // the names of the blocks entered, innermost last
};

// The text form, as UTF-8, read through the simulator's item stream (core/reader/ItemStream).
std::unique_ptr<BlockSource> textBlocks(std::string_view utf8);
// The binary form: uint16 token, uint16 flags, uint32 length of what follows these eight bytes,
// a uint8 label length in UTF-16 characters and the label, then the contents.
std::unique_ptr<BlockSource> binaryBlocks(std::string_view bytes);

} // namespace orbanil
