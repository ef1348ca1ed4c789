#include "files/CodeFile.h"

#include "core/block/InsideBlock.h"
#include "core/reader/SimulatorReader.h"
#include "files/FileError.h"
#include "files/PathText.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WorkedExample.h"

#include <gtest/gtest.h>

namespace orbanil {
namespace {

struct Reading
{
    std::string bytes;
    std::string text;
};

// What the reading rule is documented to do to a saved text.
const Reading documentedReadings[] = {
    {"", ""},
    {"\r\n", "\r\n"}, // an emptied code box
    {"     PassengerCabinFile ( a.s )\r\n", "PassengerCabinFile ( a.s )\r\n"}, // leading blanks
    {"uno, dos\r\n", "uno, dos\r\n"},                       // a comma stays in its line
    {"a,b,,c\r\n", "a,b,,c\r\n"},                           //
    {"  \"interior.sms\"\r\n", "interior.sms\r\n"},         // a leading quote pair goes
    {"Sound ( \"x.sms\" )\r\n", "Sound ( \"x.sms\" )\r\n"}, // inner quotes stay
    {")", ")\r\n"},                                         // a line end is added
    {"a\r\n\r\n", "a\r\n\r\n"},                             // a final empty line stays
    {"a\r\n\r\nb\r\n", "a\r\n\r\nb\r\n"},                   //
    {"se\xF1"
     "al \x80\r\n",
     "señal €\r\n"}, // Windows-1252
};

// The finer points, decided as a user would expect them.
const Reading decidedReadings[] = {
    {"\t\tx\r\n \t y\r\n", "x\r\ny\r\n"}, // tabs before a field are indentation
    {"a\rb", "a\r\nb\r\n"},               // a lone CR ends a line
    {"a\nb\n", "a\r\nb\r\n"},             // so does a lone LF
    {"a\n\rb", "a\r\n\r\nb\r\n"},         // LF then CR: two line ends
    {"\"abc\r\n", "\"abc\r\n"},           // an unclosed quote is kept
    {"\"a,b\r\n", "\"a,b\r\n"},           // ... and the field is unquoted
    {"\"a\r\nb\"\r\n", "\"a\r\nb\"\r\n"}, // a quote never closes on a later line
    {"\"a,b\" x,y\r\n", "a,b x,y\r\n"},   // text after the closing quote is kept
    {"\"\"\"\r\n", "\"\r\n"},             //
    {"\"\"\r\n", "\r\n"},                 // an empty quoted field
    {"a, \"b,c\"\r\n", "a, \"b,c\"\r\n"}, // a quote inside a field stays
    {"a  ,b \r\n", "a  ,b \r\n"},         // blanks after a field are kept
    {"a,", "a,\r\n"},                     // the end is tested before a field
    {"a\r\n  ", "a\r\n\r\n"},             // blanks at the end: one empty field
    {std::string("a\0b\r\n", 5), std::string("a\0b\r\n", 5)},
};

TEST(CodeReading, DocumentedConsequences)
{
    for (const Reading& r : documentedReadings) {
        EXPECT_EQ(codeTextFromBytes(r.bytes), r.text) << r.bytes;
    }
}

TEST(CodeReading, FinerPoints)
{
    for (const Reading& r : decidedReadings) {
        EXPECT_EQ(codeTextFromBytes(r.bytes), r.text) << r.bytes;
    }
}

TEST(CodeFile, WorkedExampleSavesAs194BytesAndOpensAs169Characters)
{
    TempFolder folder;
    const std::string block = generateInside(testing::workedExampleParams());
    ASSERT_EQ(block.size(), 192u);
    const auto path = savedFilePath(folder.path(), "vagón");
    saveCodeFile(path, block);
    EXPECT_EQ(readBytes(path), block + "\r\n");
    EXPECT_EQ(std::filesystem::file_size(path), 194u);

    const std::string opened = readCodeFile(path);
    EXPECT_EQ(opened, testing::workedExampleOpened);
    EXPECT_EQ(opened.size(), 169u);
}

// Opening keeps what the simulator needs: names with commas, blanks and backslashes read back
// as typed from the opened text.
TEST(CodeFile, OpenedBlockReadsBackAsTyped)
{
    TempFolder folder;
    ViewParams typed = testing::workedExampleParams();
    typed.shapeFile = "Coche, interior.s";
    typed.soundFile = R"(Sonidos\vagón, 2.sms)";
    const auto path = savedFilePath(folder.path(), "comas");
    saveCodeFile(path, generateInside(blockValues(typed)));
    const std::optional<InsideReading> read = readFirstInside(readCodeFile(path));
    ASSERT_TRUE(read && read->shapeFile && read->soundFile);
    EXPECT_EQ(read->shapeFile->text, typed.shapeFile);
    EXPECT_EQ(read->soundFile->text, typed.soundFile);
}

TEST(CodeFile, SavesWindows1252WithoutMarkAndReplacesAnExistingFile)
{
    TempFolder folder;
    const auto path = folder / "x.obn";
    writeBytes(path, "old text that is longer than the new one\r\n");
    saveCodeFile(path, "Señal €");
    EXPECT_EQ(readBytes(path), "Se\xF1"
                               "al \x80\r\n");
    saveCodeFile(path, "");
    EXPECT_EQ(readBytes(path), "\r\n");
    EXPECT_EQ(folder.entryCount(), 1); // no temporary left
}

TEST(CodeFile, LargeFileReadsWhole)
{
    TempFolder folder;
    std::string bytes;
    std::string expected;
    for (int i = 0; i < 100000; ++i) {
        bytes += "     linea " + std::to_string(i) + ", \"valor\" \xF1\r\n";
        expected += "linea " + std::to_string(i) + ", \"valor\" ñ\r\n";
    }
    writeBytes(folder / "big.obn", bytes);
    EXPECT_EQ(readCodeFile(folder / "big.obn"), expected);
}

// Refused before anything is written: the old file stays and nothing else appears.
TEST(CodeFile, CharacterOutsideWindows1252IsRefusedAndNamed)
{
    TempFolder folder;
    const auto path = folder / "x.obn";
    writeBytes(path, "old\r\n");
    try {
        saveCodeFile(path, "Inside (\r\n     Sound ( \"Ω.sms\" )");
        FAIL() << "saved";
    } catch (const FileError& e) {
        const std::string message = e.what();
        EXPECT_EQ(message, "No se pudo guardar «" + pathText(path) +
                               "»: el texto contiene el carácter «Ω» (U+03A9), que la "
                               "codificación Windows-1252 no admite.");
    }
    EXPECT_EQ(readBytes(path), "old\r\n");
    EXPECT_THROW(saveCodeFile(folder / "new.obn", "Ω"), FileError);
    EXPECT_THROW(saveCodeFile(folder / "new.obn", "\xC3("), FileError); // malformed UTF-8
    EXPECT_EQ(folder.entryCount(), 1);
}

// These failures hold for every user, root included.
TEST(CodeFile, FailedSaveLeavesNoTraceAndSaysWhy)
{
    TempFolder folder;
    std::filesystem::create_directory(folder / "carpeta.obn");
    writeBytes(folder / "carpeta.obn" / "dentro", "kept");
    struct Case
    {
        std::filesystem::path path;
        const char* reason;
    };
    const Case cases[] = {
        {folder / "carpeta.obn", "es una carpeta"},
        {folder / "no-existe" / "x.obn", "no existe"},
        {savedFilePath(folder.path(), std::string(300, 'n')), "demasiado largo"},
    };
    for (const Case& c : cases) {
        try {
            saveCodeFile(c.path, "Inside (");
            ADD_FAILURE() << "saved " << c.path;
        } catch (const FileError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind("No se pudo guardar «" + pathText(c.path) + "»: ", 0), 0u)
                << message;
            EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        }
        EXPECT_EQ(folder.entryCount(), 1) << c.path; // only the folder made above
    }
    EXPECT_EQ(readBytes(folder / "carpeta.obn" / "dentro"), "kept");
}

TEST(CodeFile, OpeningFailuresNameTheFile)
{
    TempFolder folder;
    std::filesystem::create_directory(folder / "d.obn");
    for (const auto& [path, reason] :
         {std::pair{folder / "falta.obn", "no existe"}, std::pair{folder / "d.obn", "carpeta"}}) {
        try {
            readCodeFile(path);
            ADD_FAILURE() << "read " << path;
        } catch (const FileError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind("No se pudo leer «" + pathText(path) + "»: ", 0), 0u);
            EXPECT_NE(message.find(reason), std::string::npos) << message;
        }
    }
}

TEST(SavedFilePath, FolderSeparatorNameUnchangedExtension)
{
    const std::filesystem::path folder = std::filesystem::path("prog") / "dir";
    const std::string base = pathText(folder) + static_cast<char>(folder.preferred_separator);
    for (const char* name : {"x", "x.obn", "", " a b ", "ñandú"}) {
        EXPECT_EQ(pathText(savedFilePath(folder, name)), base + name + ".obn") << name;
    }
    // A name never replaces the folder, whatever it starts with.
    EXPECT_EQ(pathText(savedFilePath(folder, "/etc/x")).rfind(base, 0), 0u);
    EXPECT_EQ(savedFilePath(folder / "", "x"), savedFilePath(folder, "x"));
}

TEST(SavedNameProblem, RefusesBlankNamesFolderPartsAndControlCharacters)
{
    for (const char* usable : {"informe", "mi bloque 2", "ñandú", "x.obn", "..", " a "}) {
        EXPECT_EQ(savedNameProblem(usable), std::nullopt) << usable;
    }
    const std::string refused[] = {"",      "   ",  "a/b",  "a\\b", "/",
                                   "..\\x", "a\tb", "a\nb", "\x7F", std::string("a\0b", 3)};
    for (const std::string& name : refused) {
        const std::optional<std::string> problem = savedNameProblem(name);
        ASSERT_TRUE(problem.has_value()) << name;
        EXPECT_EQ(problem->rfind("El nombre no puede", 0), 0u);
    }
#ifdef _WIN32
    for (const char* name : {"a<b", "a>b", "a:b", "a\"b", "a|b", "a?b", "a*b"}) {
        EXPECT_TRUE(savedNameProblem(name).has_value()) << name;
    }
#else
    EXPECT_EQ(savedNameProblem("a:b?*"), std::nullopt);
#endif
}

// Windows takes these for devices whatever follows the first dot, so writing there would lose
// the code; elsewhere they are ordinary names.
TEST(SavedNameProblem, WindowsDeviceNames)
{
    const char* devices[] = {"CON",     "con",  "Nul",     "aux",       "PRN",
                             "com1",    "COM9", "lpt1",    "LPT9",      "COM0",
                             "con.bak", "nul ", "prn  .x", "COM\u00B9", "lpt\u00B3"};
    for (const char* name : devices) {
#ifdef _WIN32
        const std::optional<std::string> problem = savedNameProblem(name);
        ASSERT_TRUE(problem.has_value()) << name;
        EXPECT_NE(problem->find("dispositivo"), std::string::npos) << *problem;
#else
        EXPECT_EQ(savedNameProblem(name), std::nullopt) << name;
#endif
    }
    for (const char* name :
         {"console", "CONX", "COM10", "LPT", "nulo", "a.con", "COMA", "auxiliar"}) {
        EXPECT_EQ(savedNameProblem(name), std::nullopt) << name;
    }
}

TEST(ListSavedFiles, ObnInAnyCaseHiddenIncludedSorted)
{
    TempFolder folder;
    for (const char* name : {"b.obn", "A.OBN", ".obn", ".hidden.obn", "x.Obn", "señal.obn",
                             "notes.txt", "obn", "x.obn.bak", "xobn"}) {
        writeBytes(folder / name, "");
    }
    std::filesystem::create_directory(folder / "sub.obn");
#ifndef _WIN32
    std::filesystem::create_symlink("b.obn", folder / "link.obn");
    std::filesystem::create_symlink("missing", folder / "dead.obn");
#endif
    std::vector<std::string> expected = {".hidden.obn", ".obn",      "A.OBN",
                                         "b.obn",       "señal.obn", "x.Obn"};
#ifndef _WIN32
    expected.insert(expected.begin() + 4, "link.obn");
#endif
    EXPECT_EQ(listSavedFiles(folder.path()), expected);
}

// The order of the pickers' lists: by bytes, "B.obn" and "C.obn" would come before "a.obn".
TEST(ListSavedFiles, SortedWithoutRegardToCase)
{
    TempFolder folder;
    for (const char* name : {"C.obn", "b2.obn", "a.obn", "B.obn", "_x.obn"}) {
        writeBytes(folder / name, "");
    }
    EXPECT_EQ(listSavedFiles(folder.path()),
              (std::vector<std::string>{"_x.obn", "a.obn", "B.obn", "b2.obn", "C.obn"}));
}

// Windows takes "BLOQUE" and "bloque" for one file, so the second save replaces the first;
// elsewhere they are two files.
TEST(ListSavedFiles, NamesDifferingInCaseAreOneFileWhereTheSystemSaysSo)
{
#ifdef _WIN32
    constexpr bool oneFile = true;
#else
    constexpr bool oneFile = false;
#endif
    TempFolder folder;
    saveCodeFile(savedFilePath(folder.path(), "bloque"), "uno");
    saveCodeFile(savedFilePath(folder.path(), "BLOQUE"), "dos");
    EXPECT_EQ(listSavedFiles(folder.path()).size(), oneFile ? 1u : 2u);
    EXPECT_EQ(readCodeFile(savedFilePath(folder.path(), "bloque")),
              oneFile ? "dos\r\n" : "uno\r\n");
    EXPECT_EQ(folder.entryCount(), oneFile ? 1 : 2); // no temporary left behind
}

TEST(ListSavedFiles, SavedFileShowsAndUnreadableFolderIsReported)
{
    TempFolder folder;
    EXPECT_TRUE(listSavedFiles(folder.path()).empty());
    saveCodeFile(savedFilePath(folder.path(), "bloque"), "Inside (");
    EXPECT_EQ(listSavedFiles(folder.path()), std::vector<std::string>{"bloque.obn"});
    try {
        listSavedFiles(folder / "falta");
        FAIL() << "listed";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "No se pudo leer la carpeta «" +
                                             pathText(folder / "falta") +
                                             "»: no existe el archivo o la carpeta.");
    }
    EXPECT_THROW(listSavedFiles(folder / "bloque.obn"), FileError);
}

TEST(FileError, SpanishReasons)
{
    const std::pair<std::errc, const char*> reasons[] = {
        {std::errc::permission_denied, "no tiene permiso"},
        {std::errc::no_such_file_or_directory, "no existe el archivo o la carpeta"},
        {std::errc::no_space_on_device, "no queda espacio en el disco"},
        {std::errc::filename_too_long, "el nombre es demasiado largo"},
        {std::errc::is_a_directory, "es una carpeta, no un archivo"},
        {std::errc::read_only_file_system, "el disco es de solo lectura"},
        {std::errc::invalid_argument, "el nombre no es válido"},
    };
    for (const auto& [errc, text] : reasons) {
        EXPECT_EQ(fileErrorReason(std::make_error_code(errc)), text);
    }
    EXPECT_EQ(fileErrorReason(std::error_code(4242, std::generic_category())),
              "error del sistema (código 4242)");
    EXPECT_STREQ(FileError("/ruta/x.obn", std::make_error_code(std::errc::no_space_on_device),
                           FileAction::Save)
                     .what(),
                 "No se pudo guardar «/ruta/x.obn»: no queda espacio en el disco.");
}

} // namespace
} // namespace orbanil
