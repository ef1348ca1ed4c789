#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbanil::testing {

// A shape's block tree, written by the tests in the simulator's text and binary forms. The
// token ids are this writer's own list, apart from the reader's, so that a wrong id in either
// shows as a difference between the forms.
struct ShapeNode
{
    enum class Kind
    {
        Int,
        Flags,
        Float,
        String,
        Child,
    };
    struct Item
    {
        Kind kind = Kind::Int;
        std::int64_t integer = 0; // Int, Flags; the index into children for Child
        float real = 0;
        std::string text;
    };

    std::string keyword; // "point"; "@N" for a block of id N that the reader does not know
    std::string label;   // "matrix PUERTA ( … )"
    std::vector<Item> items;
    std::vector<ShapeNode> children;

    ShapeNode& i(std::int64_t value);
    ShapeNode& flags(std::uint32_t value);
    ShapeNode& f(float value);
    ShapeNode& s(std::string value);
    ShapeNode& add(ShapeNode child);
    // The first block of that keyword in the tree, depth first (this one included).
    ShapeNode* find(std::string_view name);
};

ShapeNode block(std::string keyword, std::string label = {});

// The block in the text form (UTF-8, indented, one block a line) and in the binary form.
std::string shapeText(const ShapeNode& node);
std::string shapeBinary(const ShapeNode& node);

// Whole files: the SIMIS header and subheader, then the body.
enum class TextEncoding
{
    Utf16,
    Ascii,
};
std::string textShapeFile(std::string_view utf8Text, TextEncoding encoding = TextEncoding::Utf16);
std::string binaryShapeFile(std::string_view body);
// A shape's contents (subheader and body) or a texture's, behind "SIMISA@F", the size and
// "@@@@"; the stated size is the contents' unless given.
std::string compressedFile(std::string_view contents,
                           std::optional<std::uint32_t> statedSize = std::nullopt);
// What a compressed shape holds: the subheader of its form and the body.
std::string binaryShapeContents(std::string_view body);
std::string textShapeContents(std::string_view utf8Text);

// The low `bytes` bytes of value, little-endian.
std::string littleEndian(std::uint64_t value, int bytes);

// UTF-8 as UTF-16LE.
std::string utf16Le(std::string_view utf8);

} // namespace orbanil::testing
