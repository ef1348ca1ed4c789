#include "files/HelpFile.h"

#include "files/FileError.h"
#include "files/PathText.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

TEST(HelpText, EveryLineEndsInCrLf)
{
    struct Case
    {
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"", ""},
        {"a", "a\r\n"},                                 // last line without a line end
        {"a\r\nb\r\n", "a\r\nb\r\n"},                   //
        {"a\rb", "a\r\nb\r\n"},                         // lone carriage return
        {"a\nb\n", "a\r\nb\r\n"},                       // lone line feed
        {"a\n\rb", "a\r\n\r\nb\r\n"},                   // line feed then carriage return: two ends
        {"\r\n\r\n", "\r\n\r\n"},                       // empty lines stay
        {"  uno, \"dos\" \r\n", "  uno, \"dos\" \r\n"}, // blanks, commas and quotes stay
        {"\t\xC1rbol \x93"
         "x\x94",
         "\t\xC3\x81rbol “x”\r\n"},                             // Windows-1252
        {"\xC3\x81rbol\n", "\xC3\x81rbol\r\n"},                 // UTF-8 without a mark
        {"\xEF\xBB\xBF\xC3\x81rbol\n", "\xC3\x81rbol\r\n"},     // ... and with one
        {std::string("\xFF\xFE\x0A\x01\n\0", 6), "\u010A\r\n"}, // UTF-16: U+010A is no line feed
        {std::string("a\0b", 3), std::string("a\0b\r\n", 5)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(helpTextFromBytes(c.bytes), c.text) << c.bytes;
    }
}

TEST(HelpFile, ReadsTheFile)
{
    TempFolder folder;
    writeBytes(folder / "Ayuda.txt", "Ayuda de Orbanil\r\n\r\n  Pulse \"Generar\", luego...\n\xA1"
                                     "Fin!");
    EXPECT_EQ(readHelpFile(folder / "Ayuda.txt"),
              "Ayuda de Orbanil\r\n\r\n  Pulse \"Generar\", luego...\r\n¡Fin!\r\n");
    writeBytes(folder / "vacío.txt", "");
    EXPECT_EQ(readHelpFile(folder / "vacío.txt"), "");
}

TEST(HelpFile, MissingFileNamesThePath)
{
    TempFolder folder;
    try {
        readHelpFile(folder / "Ayuda.txt");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "No se pudo leer «" + pathText(folder / "Ayuda.txt") +
                                             "»: no existe el archivo o la carpeta.");
        EXPECT_EQ(e.file(), folder / "Ayuda.txt");
    }
}

#ifdef __linux__
// Files that report no size still read in full.
TEST(HelpFile, ReadsFilesWhoseSizeIsUnknown)
{
    EXPECT_NE(readHelpFile("/proc/self/status").find("Name:"), std::string::npos);
}
#endif

} // namespace
} // namespace orbanil
