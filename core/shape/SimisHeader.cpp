#include "core/shape/SimisHeader.h"

#include "core/shape/FormatError.h"

#include <string>

namespace orbanil {

namespace {

constexpr std::size_t headerLength = 16; // characters, of the header and of the subheader

// The first characters of a UTF-16LE text whose characters are all ASCII; "?" for any other.
std::string asciiOfUtf16(std::string_view bytes, std::size_t characters)
{
    std::string out;
    for (std::size_t i = 0; i < characters && 2 * i + 1 < bytes.size(); ++i) {
        const auto low = static_cast<unsigned char>(bytes[2 * i]);
        out += bytes[2 * i + 1] == '\0' && low >= 32 && low < 127 ? static_cast<char>(low) : '?';
    }
    return out;
}

std::string printable(std::string_view bytes)
{
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += byte >= 32 && byte < 127 ? c : '?';
    }
    return out;
}

const char* const notSimis = "no empieza por la cabecera SIMISA de los archivos del simulador";

} // namespace

SimisHeader readSimisHeader(std::string_view file)
{
    SimisHeader header;
    std::string start;
    if (file.starts_with("\xFF\xFE")) {
        header.utf16 = true;
        header.contentsStart = 2 + 2 * headerLength;
        start = asciiOfUtf16(file.substr(2), headerLength);
    } else {
        header.contentsStart = headerLength;
        start = printable(file.substr(0, headerLength));
    }
    if (!start.starts_with("SIMISA")) {
        throw FormatError(notSimis);
    }
    if (file.size() < header.contentsStart) {
        throw FormatError("está cortado dentro de la cabecera SIMISA");
    }
    if (start.starts_with("SIMISA@F") && !header.utf16) {
        header.compressed = true;
        for (int i = 3; i >= 0; --i) {
            header.inflatedSize = (header.inflatedSize << 8) |
                                  static_cast<unsigned char>(file[8 + static_cast<std::size_t>(i)]);
        }
    } else if (!start.starts_with("SIMISA@@")) {
        throw FormatError("la cabecera «" + start.substr(0, 8) + "» no es de un archivo que " +
                          "el simulador lea");
    }
    return header;
}

ShapeContents readShapeSubheader(std::string_view contents, bool utf16)
{
    const std::size_t length = utf16 ? 2 * headerLength : headerLength;
    const std::string subheader =
        utf16 ? asciiOfUtf16(contents, 8) : printable(contents.substr(0, 8));
    if (contents.size() < length) {
        throw FormatError("está cortado dentro de la subcabecera «JINX…»");
    }
    ShapeContents shape;
    shape.body = contents.substr(length);
    if (subheader[7] == 't') {
        shape.text = true;
    } else if (subheader[7] != 'b') {
        throw FormatError("la subcabecera «" + subheader + "» no es de texto ni binaria");
    }
    return shape;
}

} // namespace orbanil
