#include "core/shape/ShapeContents.h"

#include "core/shape/FormatError.h"
#include "core/shape/ShapeBlocks.h"
#include "core/shape/ShapeData.h"
#include "core/shape/SimisHeader.h"
#include "core/text/Utf8.h"

#include <string>

namespace orbanil {

namespace {

// The ASCII text form as the simulator decodes it: a byte above 127 is no ASCII and reads "?".
std::string asciiText(std::string_view bytes)
{
    std::string text(bytes);
    for (char& c : text) {
        if (static_cast<unsigned char>(c) > 127) {
            c = '?';
        }
    }
    return text;
}

} // namespace

CabinGeometry readShapeContents(std::string_view contents, bool utf16)
{
    const std::size_t length = utf16 ? 2 * headerCharacters : headerCharacters;
    if (contents.size() < length) {
        throw FormatError("está cortado dentro de la subcabecera «JINX…»");
    }
    const std::string subheader = headerText(contents, utf16, 8);
    const std::string_view body = contents.substr(length);
    if (subheader[7] == 'b') {
        return cabinGeometry(readShapeData(*binaryBlocks(body)));
    }
    if (subheader[7] != 't') {
        throw FormatError("la subcabecera «" + subheader + "» no es de texto ni binaria");
    }
    const std::string text = utf16 ? utf8FromUtf16(body, false) : asciiText(body);
    return cabinGeometry(readShapeData(*textBlocks(text)));
}

} // namespace orbanil
