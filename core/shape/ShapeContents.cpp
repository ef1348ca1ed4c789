#include "core/shape/ShapeContents.h"

#include "core/shape/FormatError.h"
#include "core/shape/ShapeBlocks.h"
#include "core/shape/ShapeData.h"
#include "core/shape/SimisHeader.h"
#include "core/text/Utf8.h"

#include <string>

namespace orbanil {

std::string simisText(std::string_view bytes, bool utf16)
{
    if (utf16) {
        return utf8FromUtf16(bytes, false);
    }
    std::string text(bytes);
    for (char& c : text) {
        if (static_cast<unsigned char>(c) > 127) {
            c = '?';
        }
    }
    return text;
}

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
    return cabinGeometry(readShapeData(*textBlocks(simisText(body, utf16))));
}

} // namespace orbanil
