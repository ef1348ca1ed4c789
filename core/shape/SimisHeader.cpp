#include "core/shape/SimisHeader.h"

#include "core/shape/ByteReader.h"
#include "core/shape/FormatError.h"

namespace orbanil {

namespace {

char printable(unsigned char byte)
{
    return byte >= 32 && byte < 127 ? static_cast<char>(byte) : '?';
}

} // namespace

std::string headerText(std::string_view bytes, bool utf16, std::size_t characters)
{
    std::string out;
    if (!utf16) {
        for (const char c : bytes.substr(0, characters)) {
            out += printable(static_cast<unsigned char>(c));
        }
        return out;
    }
    for (std::size_t i = 0; i < characters && 2 * i + 1 < bytes.size(); ++i) {
        out += bytes[2 * i + 1] == '\0' ? printable(static_cast<unsigned char>(bytes[2 * i])) : '?';
    }
    return out;
}

SimisHeader readSimisHeader(std::string_view file)
{
    SimisHeader header;
    header.utf16 = file.starts_with("\xFF\xFE");
    const std::size_t mark = header.utf16 ? 2 : 0;
    header.contentsStart = mark + (header.utf16 ? 2 : 1) * headerCharacters;
    const std::string start = headerText(file.substr(mark), header.utf16, headerCharacters);
    if (!start.starts_with("SIMISA")) {
        throw FormatError("no empieza por la cabecera SIMISA de los archivos del simulador");
    }
    const char* const cutShort = "está cortado dentro de la cabecera SIMISA";
    ByteReader in(file);
    in.need(header.contentsStart, cutShort);
    if (start.starts_with("SIMISA@F") && !header.utf16) {
        header.compressed = true;
        in.skip(8, cutShort);
        header.inflatedSize = in.u32(cutShort);
    } else if (!start.starts_with("SIMISA@@")) {
        throw FormatError("la cabecera «" + start.substr(0, 8) + "» no es de un archivo que " +
                          "el simulador lea");
    }
    return header;
}

} // namespace orbanil
