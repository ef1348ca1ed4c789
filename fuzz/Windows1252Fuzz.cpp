// Windows-1252: every byte string decodes to valid UTF-8 and encodes back to itself; any text
// encodes either completely and faithfully or with a failure that names the first character
// it cannot hold, never with a byte standing for that character.
#include "files/Windows1252.h"
#include "fuzz/FuzzCheck.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using orbanil::fuzz::isValidUtf8;

// The UTF-8 form of each of the 256 bytes, decoded one at a time.
const std::array<std::string, 256>& decodedBytes()
{
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> forms;
        for (std::size_t b = 0; b < forms.size(); ++b) {
            forms[b] = orbanil::windows1252ToUtf8(std::string(1, static_cast<char>(b)));
        }
        return forms;
    }();
    return table;
}

// The byte whose decoded form starts text, if any.
int byteStarting(std::string_view text)
{
    const auto& forms = decodedBytes();
    for (std::size_t b = 0; b < forms.size(); ++b) {
        if (text.starts_with(forms[b])) {
            return static_cast<int>(b);
        }
    }
    return -1;
}

void checkDecodeEncode(std::string_view bytes)
{
    const std::string utf8 = orbanil::windows1252ToUtf8(bytes);
    FUZZ_CHECK(isValidUtf8(utf8));
    FUZZ_CHECK(orbanil::isAscii(bytes) == (utf8.size() == bytes.size()));
    const orbanil::Utf8ToWindows1252Result back = orbanil::utf8ToWindows1252(utf8);
    FUZZ_CHECK(back.ok());
    FUZZ_CHECK(back.bytes == bytes);
}

// The input taken as UTF-8 text to encode.
void checkEncode(std::string_view text)
{
    const orbanil::Utf8ToWindows1252Result result = orbanil::utf8ToWindows1252(text);
    FUZZ_CHECK(!(result.invalidUtf8 && result.unmappable != 0));
    if (isValidUtf8(text)) {
        FUZZ_CHECK(!result.invalidUtf8);
    } else {
        FUZZ_CHECK(!result.ok());
    }

    // Whatever was written stands for a leading part of the text, one byte per character.
    const std::string done = orbanil::windows1252ToUtf8(result.bytes);
    FUZZ_CHECK(text.starts_with(done));
    if (result.ok()) {
        FUZZ_CHECK(done.size() == text.size());
        return;
    }
    // The encoding stopped where the text first holds something no byte decodes to.
    const std::string_view rest = text.substr(done.size());
    FUZZ_CHECK(!rest.empty() && byteStarting(rest) < 0);
    if (result.unmappable != 0) {
        FUZZ_CHECK(result.unmappable <= 0x10FFFF &&
                   !(result.unmappable >= 0xD800 && result.unmappable <= 0xDFFF));
        FUZZ_CHECK(rest.starts_with(orbanil::utf8FromCodePoint(result.unmappable)));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = orbanil::fuzz::bytesOf(data, size);
    checkDecodeEncode(bytes);
    checkEncode(bytes);
    return 0;
}
