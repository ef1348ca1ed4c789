#include "SavedFileText.h"

#include "core/block/InsideBlock.h"
#include "files/Windows1252.h"

namespace orbanil::bench {

ViewParams sampleViewParams(bool accented)
{
    return ViewParams{accented ? "cabina_vagón_señal.s" : "cabin_passenger_1st.s",
                      "-0.55",
                      "2.35",
                      "4.1",
                      "10",
                      "35",
                      "0",
                      "0",
                      "0",
                      "0",
                      accented ? "viajeros_interior_ñ.sms" : "passenger_interior.sms"};
}

std::string generatedCodeText(std::size_t size, bool accented)
{
    const std::string block = generateInside(sampleViewParams(accented));
    std::string text;
    text.reserve(size + block.size() + 2);
    text = block;
    while (text.size() < size) {
        text += "\r\n";
        text += block;
    }
    return text;
}

std::string savedFileBytes(std::size_t size, bool accented)
{
    // The text is ours and holds only Windows-1252 letters, so the encoding cannot fail.
    return utf8ToWindows1252(generatedCodeText(size, accented)).bytes + "\r\n";
}

} // namespace orbanil::bench
