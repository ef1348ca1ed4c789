#pragma once

#include "core/text/Utf8.h"

#include <optional>
#include <string>
#include <string_view>

namespace orbanil {

// Every byte maps to one code point; the five unassigned bytes map to the C1 controls
// of the same value, so decoding and encoding round-trip all 256 bytes.
std::string windows1252ToUtf8(std::string_view bytes);

// The UTF-8 text of a file's bytes as a text editor marks them: after a UTF-8 byte-order mark
// the bytes are UTF-8, after a UTF-16 one (little or big endian) UTF-16, and without a mark as
// utf8FromUnmarkedText reads them. The mark is dropped; a malformed sequence becomes U+FFFD.
std::string utf8FromMarkedText(std::string_view bytes);

// Bytes without a mark: UTF-8 when they are well-formed UTF-8 (what Notepad writes by default;
// a Windows-1252 text beyond ASCII hardly ever is), else Windows-1252.
std::string utf8FromUnmarkedText(std::string_view bytes);

// True when no byte is above 0x7F: the text is then the same in both encodings.
bool isAscii(std::string_view bytes);

struct Utf8ToWindows1252Result
{
    std::string bytes;        // the encoded text, complete only when ok()
    char32_t unmappable = 0;  // first code point Windows-1252 cannot hold
    bool invalidUtf8 = false; // the input was not valid UTF-8
    bool ok() const { return unmappable == 0 && !invalidUtf8; }
};

Utf8ToWindows1252Result utf8ToWindows1252(std::string_view utf8);

} // namespace orbanil
