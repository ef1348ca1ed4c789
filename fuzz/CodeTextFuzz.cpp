// Any bytes read as a saved code file or a help file give valid UTF-8 made of CR LF lines,
// built, when no byte-order mark names another encoding, only from the file's own characters
// (UTF-8 where the bytes are UTF-8, else Windows-1252), in their order.
#include "files/CodeFile.h"
#include "files/HelpFile.h"
#include "files/Windows1252.h"
#include "fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using orbanil::fuzz::isValidUtf8;

void checkCrLfLines(std::string_view bytes, std::string_view text)
{
    FUZZ_CHECK(isValidUtf8(text));
    FUZZ_CHECK(text.empty() == bytes.empty());
    FUZZ_CHECK(text.empty() || text.ends_with("\r\n"));
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            FUZZ_CHECK(i + 1 < text.size() && text[i + 1] == '\n');
        }
        if (text[i] == '\n') {
            FUZZ_CHECK(i > 0 && text[i - 1] == '\r');
        }
    }
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Line ends in the file: CR LF, a lone CR and a lone LF count one each.
std::size_t lineEndsIn(std::string_view bytes)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && bytes.substr(i + 1, 1) != "\n")) {
            ++count;
        }
    }
    return count;
}

std::string withoutLineEnds(std::string_view text)
{
    std::string kept;
    for (const char c : text) {
        if (!isLineEnd(c)) {
            kept += c;
        }
    }
    return kept;
}

// The characters of `part` of a file without a mark, in the file's encoding: UTF-8 when the
// whole file is UTF-8, else Windows-1252.
std::string decodedAs(std::string_view file, std::string_view part)
{
    return isValidUtf8(file) ? std::string(part) : orbanil::windows1252ToUtf8(part);
}

bool isSubsequence(std::string_view part, std::string_view whole)
{
    std::size_t from = 0;
    for (const char c : part) {
        from = whole.find(c, from);
        if (from == std::string_view::npos) {
            return false;
        }
        ++from;
    }
    return true;
}

// The file's bytes without those that end a field, as one field read: blanks and tabs before
// it are skipped; between quotes it keeps blanks and loses the quotes.
void checkOneField(std::string_view bytes)
{
    std::string quoted;
    for (const char c : bytes) {
        if (c != '"' && !isLineEnd(c)) {
            quoted += c;
        }
    }
    const std::string& plain = quoted;
    const std::string expected = decodedAs(quoted, quoted) + "\r\n";
    FUZZ_CHECK(orbanil::codeTextFromBytes(" \t\"" + quoted + "\"") == expected);
    FUZZ_CHECK(orbanil::codeTextFromBytes(" \t\"" + quoted + "\"\r\n") == expected);
    const std::size_t firstKept = plain.find_first_not_of(" \t");
    const std::string unblanked = firstKept == std::string::npos ? "" : plain.substr(firstKept);
    FUZZ_CHECK(orbanil::codeTextFromBytes(" \t" + plain) == decodedAs(plain, unblanked) + "\r\n");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = orbanil::fuzz::bytesOf(data, size);
    const std::size_t lineEnds = lineEndsIn(bytes);

    // Fields drop blanks, quotes and line ends but never invent or reorder a character, and
    // each one ends at a line end or the end of the file.
    checkOneField(bytes);
    const std::string code = orbanil::codeTextFromBytes(bytes);
    const std::string help = orbanil::helpTextFromBytes(bytes);
    const bool marked = bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFF\xFE") ||
                        bytes.starts_with("\xFE\xFF");
    if (marked) {
        // UTF-8 or UTF-16 after a mark: the texts are still valid UTF-8 in CR LF lines.
        checkCrLfLines(code.empty() ? std::string_view() : bytes, code);
        checkCrLfLines(help.empty() ? std::string_view() : bytes, help);
        return 0;
    }
    const std::string decoded = decodedAs(bytes, bytes);
    checkCrLfLines(bytes, code);
    FUZZ_CHECK(isSubsequence(withoutLineEnds(code), decoded));
    FUZZ_CHECK(lineEndsIn(code) <= lineEnds + 1);

    // Help lines keep every character; only the line ends change form, and a last line
    // without one gains it.
    checkCrLfLines(bytes, help);
    FUZZ_CHECK(withoutLineEnds(help) == withoutLineEnds(decoded));
    const bool lastLineOpen = !bytes.empty() && !isLineEnd(bytes.back());
    FUZZ_CHECK(lineEndsIn(help) == lineEnds + (lastLineOpen ? 1 : 0));
    return 0;
}
