#include "tests/support/ShapeWriter.h"

#include "core/text/Utf8.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <zlib.h>

namespace orbanil::testing {

namespace {

// The ids of the blocks the tests write.
const std::pair<const char*, int> tokenIds[] = {
    {"comment", 1},
    {"point", 2},
    {"vector", 3},
    {"normals", 5},
    {"normal_idxs", 6},
    {"points", 7},
    {"uv_point", 8},
    {"uv_points", 9},
    {"colour", 10},
    {"colours", 11},
    {"image", 13},
    {"images", 14},
    {"texture", 15},
    {"textures", 16},
    {"light_materials", 18},
    {"anim_nodes", 27},
    {"animation", 28},
    {"animations", 29},
    {"lod_controls", 31},
    {"lod_control", 32},
    {"distance_levels_header", 33},
    {"distance_level_header", 34},
    {"dlevel_selection", 35},
    {"distance_levels", 36},
    {"distance_level", 37},
    {"sub_objects", 38},
    {"sub_object", 39},
    {"sub_object_header", 40},
    {"geometry_info", 41},
    {"geometry_nodes", 42},
    {"geometry_node_map", 44},
    {"vtx_state", 46},
    {"vtx_states", 47},
    {"vertex", 48},
    {"vertex_uvs", 49},
    {"vertices", 50},
    {"vertex_set", 51},
    {"vertex_sets", 52},
    {"primitives", 53},
    {"prim_state", 54},
    {"prim_states", 55},
    {"prim_state_idx", 56},
    {"indexed_trilist", 60},
    {"tex_idxs", 61},
    {"vertex_idxs", 63},
    {"flags", 64},
    {"matrix", 65},
    {"matrices", 66},
    {"hierarchy", 67},
    {"volumes", 68},
    {"vol_sphere", 69},
    {"shape_header", 70},
    {"shape", 71},
    {"shader_names", 72},
    {"texture_filter_names", 74},
    {"sort_vectors", 76},
    {"light_model_cfgs", 79},
    {"light_model_cfg", 80},
    {"uv_ops", 81},
    {"uv_op_copy", 84},
    {"named_filter_mode", 125},
    {"named_shader", 129},
};

int idOf(const std::string& keyword)
{
    if (keyword.starts_with('@')) {
        return std::stoi(keyword.substr(1));
    }
    for (const auto& [name, id] : tokenIds) {
        if (keyword == name) {
            return id;
        }
    }
    throw std::logic_error("the shape writer has no id for " + keyword);
}

std::string textKeyword(const std::string& keyword)
{
    return keyword.starts_with('@') ? "unknown_block_" + keyword.substr(1) : keyword;
}

std::string floatText(float value)
{
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return std::string(text.data(), end);
}

std::string stringText(const std::string& text)
{
    if (!text.empty() && text.find_first_of(" ()\"\t") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

void writeText(const ShapeNode& node, int depth, std::string& out)
{
    out.append(static_cast<std::size_t>(depth), '\t');
    out += textKeyword(node.keyword);
    if (!node.label.empty()) {
        out += " " + stringText(node.label);
    }
    out += " (";
    bool hasChildren = false;
    for (const ShapeNode::Item& item : node.items) {
        switch (item.kind) {
        case ShapeNode::Kind::Int:
            out += " " + std::to_string(item.integer);
            break;
        case ShapeNode::Kind::Flags: {
            char hex[16];
            std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(item.integer));
            out += std::string(" ") + hex;
            break;
        }
        case ShapeNode::Kind::Float:
            out += " " + floatText(item.real);
            break;
        case ShapeNode::Kind::String:
            out += " " + stringText(item.text);
            break;
        case ShapeNode::Kind::Child:
            out += "\r\n";
            writeText(node.children[static_cast<std::size_t>(item.integer)], depth + 1, out);
            hasChildren = true;
            break;
        }
    }
    if (hasChildren) {
        out += "\r\n";
        out.append(static_cast<std::size_t>(depth), '\t');
        out += ")";
    } else {
        out += " )";
    }
}

std::string binaryBlock(const ShapeNode& node)
{
    std::string contents;
    const std::string label = utf16Le(node.label);
    contents += static_cast<char>(label.size() / 2);
    contents += label;
    for (const ShapeNode::Item& item : node.items) {
        switch (item.kind) {
        case ShapeNode::Kind::Int:
        case ShapeNode::Kind::Flags:
            contents += littleEndian(static_cast<std::uint32_t>(item.integer), 4);
            break;
        case ShapeNode::Kind::Float: {
            std::uint32_t bits = 0;
            std::memcpy(&bits, &item.real, sizeof bits);
            contents += littleEndian(bits, 4);
            break;
        }
        case ShapeNode::Kind::String: {
            const std::string text = utf16Le(item.text);
            contents += littleEndian(text.size() / 2, 2);
            contents += text;
            break;
        }
        case ShapeNode::Kind::Child:
            contents += binaryBlock(node.children[static_cast<std::size_t>(item.integer)]);
            break;
        }
    }
    std::string out;
    out += littleEndian(static_cast<std::uint32_t>(idOf(node.keyword)), 2);
    out += littleEndian(0, 2);
    out += littleEndian(contents.size(), 4);
    return out + contents;
}

// Constants, not strings, so that tests may build files while their own globals start.
constexpr std::string_view subheaderText = "JINX0s1t______\r\n";
constexpr std::string_view subheaderBinary = "JINX0s1b______\r\n";

} // namespace

ShapeNode& ShapeNode::i(std::int64_t value)
{
    items.push_back({Kind::Int, value, 0, {}});
    return *this;
}

ShapeNode& ShapeNode::flags(std::uint32_t value)
{
    items.push_back({Kind::Flags, value, 0, {}});
    return *this;
}

ShapeNode& ShapeNode::f(float value)
{
    items.push_back({Kind::Float, 0, value, {}});
    return *this;
}

ShapeNode& ShapeNode::s(std::string value)
{
    items.push_back({Kind::String, 0, 0, std::move(value)});
    return *this;
}

ShapeNode& ShapeNode::add(ShapeNode node)
{
    items.push_back({Kind::Child, static_cast<std::int64_t>(children.size()), 0, {}});
    children.push_back(std::move(node));
    return *this;
}

ShapeNode* ShapeNode::find(std::string_view name)
{
    if (keyword == name) {
        return this;
    }
    for (ShapeNode& c : children) {
        if (ShapeNode* found = c.find(name)) {
            return found;
        }
    }
    return nullptr;
}

ShapeNode block(std::string keyword, std::string label)
{
    ShapeNode node;
    node.keyword = std::move(keyword);
    node.label = std::move(label);
    return node;
}

std::string shapeText(const ShapeNode& node)
{
    std::string out;
    writeText(node, 0, out);
    return out + "\r\n";
}

std::string shapeBinary(const ShapeNode& node)
{
    return binaryBlock(node);
}

std::string littleEndian(std::uint64_t value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return out;
}

std::string utf16Le(std::string_view utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t from = i;
        std::optional<char32_t> decoded = nextCodePoint(utf8, i);
        if (!decoded) {
            decoded = U'?'; // a malformed byte
            i = from + 1;
        }
        const char32_t c = *decoded;
        if (c >= 0x10000) {
            out += littleEndian(0xD800 + ((c - 0x10000) >> 10), 2);
            out += littleEndian(0xDC00 + ((c - 0x10000) & 0x3FF), 2);
        } else {
            out += littleEndian(c, 2);
        }
    }
    return out;
}

std::string textShapeContents(std::string_view utf8Text)
{
    return std::string(subheaderText) + "\r\n" + std::string(utf8Text);
}

std::string binaryShapeContents(std::string_view body)
{
    return std::string(subheaderBinary) + std::string(body);
}

std::string textShapeFile(std::string_view utf8Text, TextEncoding encoding)
{
    const std::string text = "SIMISA@@@@@@@@@@" + textShapeContents(utf8Text);
    return encoding == TextEncoding::Utf16 ? "\xFF\xFE" + utf16Le(text) : text;
}

std::string binaryShapeFile(std::string_view body)
{
    return "SIMISA@@@@@@@@@@" + binaryShapeContents(body);
}

std::string compressedFile(std::string_view contents, std::optional<std::uint32_t> statedSize)
{
    uLongf length = compressBound(static_cast<uLong>(contents.size()));
    std::string deflated(length, '\0');
    if (compress2(reinterpret_cast<Bytef*>(deflated.data()), &length,
                  reinterpret_cast<const Bytef*>(contents.data()),
                  static_cast<uLong>(contents.size()), Z_BEST_COMPRESSION) != Z_OK) {
        throw std::runtime_error("compress2 failed");
    }
    deflated.resize(length);
    std::string out = "SIMISA@F";
    out += littleEndian(statedSize.value_or(static_cast<std::uint32_t>(contents.size())), 4);
    return out + "@@@@" + deflated;
}

} // namespace orbanil::testing
