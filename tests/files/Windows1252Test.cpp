#include "files/Windows1252.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

TEST(Windows1252, EveryByteRoundTrips)
{
    std::string all;
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const Utf8ToWindows1252Result back = utf8ToWindows1252(windows1252ToUtf8(one));
        EXPECT_TRUE(back.ok()) << b;
        EXPECT_EQ(back.bytes, one) << b;
        all += one;
    }
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)).bytes, all);
}

struct Mapping
{
    unsigned char byte;
    const char* utf8;
};

// The range where Windows-1252 departs from Latin-1, and some Latin-1 letters.
const Mapping mappings[] = {
    {0x80, "€"},      {0x81, "\u0081"}, {0x82, "‚"},      {0x83, "ƒ"},      {0x84, "„"},
    {0x85, "…"},      {0x86, "†"},      {0x87, "‡"},      {0x88, "ˆ"},      {0x89, "‰"},
    {0x8A, "Š"},      {0x8B, "‹"},      {0x8C, "Œ"},      {0x8D, "\u008D"}, {0x8E, "Ž"},
    {0x8F, "\u008F"}, {0x90, "\u0090"}, {0x91, "‘"},      {0x92, "’"},      {0x93, "“"},
    {0x94, "”"},      {0x95, "•"},      {0x96, "–"},      {0x97, "—"},      {0x98, "˜"},
    {0x99, "™"},      {0x9A, "š"},      {0x9B, "›"},      {0x9C, "œ"},      {0x9D, "\u009D"},
    {0x9E, "ž"},      {0x9F, "Ÿ"},      {0xA0, "\u00A0"}, {0xA9, "©"},      {0xC1, "Á"},
    {0xE9, "é"},      {0xF1, "ñ"},      {0xFA, "ú"},      {0xFF, "ÿ"},      {0x7F, "\x7F"},
    {'A', "A"},
};

TEST(Windows1252, BytesMapToTheirCodePoints)
{
    for (const Mapping& m : mappings) {
        SCOPED_TRACE(static_cast<int>(m.byte));
        const std::string byte(1, static_cast<char>(m.byte));
        EXPECT_EQ(windows1252ToUtf8(byte), m.utf8);
        EXPECT_EQ(utf8ToWindows1252(m.utf8).bytes, byte);
    }
    EXPECT_EQ(windows1252ToUtf8("Se\xF1"
                                "al \x80 \x93ok\x94"),
              "Señal € “ok”");
}

TEST(Windows1252, CharactersOutsideTheCodePageAreNamed)
{
    struct Case
    {
        const char* utf8;
        char32_t unmappable;
    };
    const Case cases[] = {
        {"Ω", 0x03A9},      {"a€bΩcД", 0x03A9}, // the first one is named
        {"\u0080", 0x0080},                     // byte 0x80 is the euro sign, not this control
        {"😀", 0x1F600},     {"\u2028", 0x2028},
    };
    for (const Case& c : cases) {
        const Utf8ToWindows1252Result r = utf8ToWindows1252(c.utf8);
        EXPECT_FALSE(r.ok()) << c.utf8;
        EXPECT_FALSE(r.invalidUtf8);
        EXPECT_EQ(r.unmappable, c.unmappable) << c.utf8;
    }
}

TEST(Windows1252, MalformedUtf8IsRefused)
{
    const char* malformed[] = {
        "\xC3",             // cut short
        "a\xC3\x62",        // continuation missing
        "\x80",             // stray continuation
        "\xC0\xAF",         // overlong "/"
        "\xE0\x80\xAF",     // overlong "/"
        "\xED\xA0\x80",     // surrogate
        "\xF4\x90\x80\x80", // past U+10FFFF
        "\xFF",
    };
    for (const char* text : malformed) {
        const Utf8ToWindows1252Result r = utf8ToWindows1252(text);
        EXPECT_TRUE(r.invalidUtf8);
        EXPECT_FALSE(r.ok());
    }
}

TEST(Windows1252, CodePointsAreWrittenAsUtf8AtEveryLength)
{
    EXPECT_EQ(utf8FromCodePoint(0x7F), "\x7F");
    EXPECT_EQ(utf8FromCodePoint(0x80), "\xC2\x80");
    EXPECT_EQ(utf8FromCodePoint(0x7FF), "\xDF\xBF");
    EXPECT_EQ(utf8FromCodePoint(0x800), "\xE0\xA0\x80");
    EXPECT_EQ(utf8FromCodePoint(0x03A9), "Ω");
    EXPECT_EQ(utf8FromCodePoint(0xFFFF), "\xEF\xBF\xBF");
    EXPECT_EQ(utf8FromCodePoint(0x1F600), "😀");
    EXPECT_EQ(utf8FromCodePoint(0x10FFFF), "\xF4\x8F\xBF\xBF");
}

// What a text editor writes: a byte-order mark names the encoding; without one, well-formed
// UTF-8 (Notepad's default) is UTF-8 and anything else Windows-1252.
TEST(MarkedText, TheMarkNamesTheEncoding)
{
    struct Case
    {
        std::string bytes;
        const char* utf8;
    };
    const Case cases[] = {
        {"", ""},
        {"se\xF1\x61l", "señal"},                              // no mark: Windows-1252
        {"Interior_\xC3\xB1.s", "Interior_ñ.s"},               // no mark: UTF-8
        {"\xE2\x82\xAC \xF0\x9F\x98\x80", "€ 😀"},              // ... at every length
        {"\xC3\xB1 \xF1", "Ã± ñ"},                             // one byte that is not UTF-8
        {"\xC3", "Ã"},                                         // a sequence cut short
        {"\xC0\xAF \xED\xA0\x80", "À¯ í\u00A0€"},              // overlong, surrogate
        {"a\x80", "a€"},                                       // a stray continuation byte
        {"\xEF\xBB\xBFse\xC3\xB1\x61l \xCE\xA9", "señal Ω"},   // UTF-8, Ω kept
        {"\xEF\xBB\xBF\xC3(\xF1", "\uFFFD(\uFFFD"},            // malformed UTF-8
        {std::string("\xFF\xFEI\0\xF1\0\xA9\x03", 8), "IñΩ"},  // UTF-16 little endian
        {std::string("\xFE\xFF\0I\0\xF1\x03\xA9", 8), "IñΩ"},  // UTF-16 big endian
        {"\xFF\xFE\x3D\xD8\x82\xDE", "\U0001F682"},            // a surrogate pair
        {std::string("\xFF\xFE\x3D\xD8\x41\0", 6), "\uFFFDA"}, // a lone surrogate
        {std::string("\xFF\xFE\x41\0\x42", 5), "A\uFFFD"},     // half a unit at the end
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utf8FromMarkedText(c.bytes), c.utf8) << c.bytes;
    }
}

} // namespace
} // namespace orbanil
