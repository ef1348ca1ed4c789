// Any bytes read as a saved code file or a help file give valid UTF-8 made of CR LF lines.
#include "files/CodeFile.h"
#include "files/HelpFile.h"
#include "files/Windows1252.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool holds)
{
    if (!holds)
        std::abort();
}

void checkText(std::string_view bytes, const std::string& text)
{
    // Every character came from Windows-1252, so it goes back there.
    check(orbanil::utf8ToWindows1252(text).ok());
    check(text.empty() == bytes.empty());
    check(text.empty() || text.ends_with("\r\n"));
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r')
            check(i + 1 < text.size() && text[i + 1] == '\n');
        if (text[i] == '\n')
            check(i > 0 && text[i - 1] == '\r');
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkText(bytes, orbanil::codeTextFromBytes(bytes));
    checkText(bytes, orbanil::helpTextFromBytes(bytes));
    return 0;
}
