#include "files/CodeFile.h"
#include "files/FileError.h"
#include "files/HelpFile.h"
#include "files/PathText.h"
#include "tests/support/FaultInjection.h"
#include "tests/support/TempFolder.h"

#include <cctype>
#include <cerrno>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <tuple>

namespace orbanil {
namespace {

namespace fs = std::filesystem;
using faults::ScratchMount;
using faults::WriteSizeLimit;

std::set<std::string> namesIn(const fs::path& folder)
{
    std::set<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error); !error && it != fs::directory_iterator();
         it.increment(error)) {
        names.insert(pathText(it->path().filename()));
    }
    return names;
}

// A case's name as GoogleTest takes it: letters and digits, "_" for the rest.
std::string caseName(std::string name)
{
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return name;
}

std::string repeated(std::string_view piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

// A program folder holding the saved file "x.obn", about to be saved over.
struct SaveScene
{
    TempFolder base;
    fs::path program = base / "programa";
    fs::path target = savedFilePath(program, "x");
    std::string text = "Inside (\r\n     Sound ( \"x.sms\" )\r\n)";
    bool oldFileExpected = true;
    ScratchMount mount;
    std::unique_ptr<WriteSizeLimit> limit;

    SaveScene() { fs::create_directory(program); }
    void writeOldFile() const { writeBytes(program / "x.obn", "old\r\n"); }
};

struct SaveFault
{
    const char* name;
    const char* reason; // in the message
    // Makes saving scene.target fail; returns why that cannot be done here, or nothing.
    std::string (*arrange)(SaveScene&);
};

const SaveFault saveFaults[] = {
    {"disk full", "no queda espacio en el disco",
     [](SaveScene& s) -> std::string {
         if (!s.mount.mountTmpfs(s.program, "size=64k")) {
             return s.mount.whyNot();
         }
         s.writeOldFile();
         s.text = repeated("     PassengerCabinFile ( interior.s )\r\n", 8000); // 320 KB
         return {};
     }},
    {"no file entry left on the disk", "no queda espacio en el disco",
     [](SaveScene& s) -> std::string {
         if (!s.mount.mountTmpfs(s.program, "size=1m,nr_inodes=2")) {
             return s.mount.whyNot();
         }
         s.writeOldFile(); // the folder and this file take both
         return {};
     }},
    {"read-only disk", "el disco es de solo lectura",
     [](SaveScene& s) -> std::string {
         if (!s.mount.mountTmpfs(s.program, "size=64k")) {
             return s.mount.whyNot();
         }
         s.writeOldFile();
         return s.mount.remountReadOnly() ? std::string() : s.mount.whyNot();
     }},
    {"file size limit reached while writing", "el archivo es demasiado grande",
     [](SaveScene& s) -> std::string {
         s.writeOldFile();
         s.text = repeated("     RotationLimit (  20 60 0 )\r\n", 2000); // 64 KB
         s.limit = std::make_unique<WriteSizeLimit>(4096);
         return s.limit->active() ? std::string() : "setrlimit refused";
     }},
    {"program folder removed", "no existe el archivo o la carpeta",
     [](SaveScene& s) -> std::string {
         fs::remove_all(s.program);
         s.oldFileExpected = false;
         return {};
     }},
    {"program folder replaced by a file", "una parte de la ruta no es una carpeta",
     [](SaveScene& s) -> std::string {
         fs::remove_all(s.program);
         writeBytes(s.program, "kept");
         s.oldFileExpected = false;
         return {};
     }},
    {"name of 256 bytes in 130 characters", "el nombre es demasiado largo",
     [](SaveScene& s) -> std::string {
         s.writeOldFile();
         s.target = savedFilePath(s.program, repeated("ñ", 126));
         return {};
     }},
};

// How GoogleTest names a case in its reports.
void PrintTo(const SaveFault& fault, std::ostream* out)
{
    *out << fault.name;
}

class SaveFaultTest : public ::testing::TestWithParam<SaveFault>
{};

// Each failure says what and why, and leaves the old file and the folder as they were.
TEST_P(SaveFaultTest, FailedSaveSaysWhyAndChangesNothing)
{
    const SaveFault& fault = GetParam();
    SaveScene scene;
    const std::string impossible = fault.arrange(scene);
    if (!impossible.empty()) {
        GTEST_SKIP() << impossible;
    }
    const std::set<std::string> before = namesIn(scene.program);
    try {
        saveCodeFile(scene.target, scene.text);
        ADD_FAILURE() << "saved";
    } catch (const FileError& e) {
        const std::string message = e.what();
        EXPECT_EQ(message,
                  "No se pudo guardar «" + pathText(scene.target) + "»: " + fault.reason + ".");
    }
    scene.limit.reset();
    EXPECT_EQ(namesIn(scene.program), before); // no temporary left behind
    if (scene.oldFileExpected) {
        EXPECT_EQ(readBytes(scene.program / "x.obn"), "old\r\n");
    }
}

INSTANTIATE_TEST_SUITE_P(SaveFault, SaveFaultTest, ::testing::ValuesIn(saveFaults),
                         [](const auto& info) { return caseName(info.param.name); });

// The length limit is the file system's, in bytes: one byte less saves.
TEST(SaveFault, NameOf255BytesSaves)
{
    TempFolder folder;
    const std::string name = repeated("ñ", 125) + "x";
    saveCodeFile(savedFilePath(folder.path(), name), "Inside (");
    EXPECT_EQ(listSavedFiles(folder.path()), std::vector<std::string>{name + ".obn"});
}

#ifndef _WIN32
// Root ignores the permission bits, so for root the folder is made read-only by a mount.
TEST(SaveFault, FolderThatCannotBeWrittenKeepsTheOldFile)
{
    TempFolder folder;
    const fs::path path = folder / "x.obn";
    writeBytes(path, "old\r\n");
    ScratchMount readOnly;
    const char* reason = "el disco es de solo lectura";
    if (faults::runningAsRoot()) {
        if (!readOnly.bindReadOnly(folder.path())) {
            GTEST_SKIP() << readOnly.whyNot();
        }
    } else {
        fs::permissions(folder.path(), fs::perms::owner_write, fs::perm_options::remove);
        reason = "no tiene permiso";
    }
    try {
        saveCodeFile(path, "new");
        ADD_FAILURE() << "saved";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
    }
    readOnly.unmount();
    fs::permissions(folder.path(), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(readBytes(path), "old\r\n");
    EXPECT_EQ(folder.entryCount(), 1);
}
#endif

struct ReadFault
{
    const char* name;
    const char* reason;
    // Makes reading file (in program) fail; returns why that cannot be done here, or nothing.
    std::string (*arrange)(const fs::path& program, const fs::path& file);
    bool byPermissionBits = false; // which root is held to while reading
};

const ReadFault readFaults[] = {
    {"removed", "no existe el archivo o la carpeta",
     [](const fs::path&, const fs::path&) { return std::string(); }},
    {"a folder", "es una carpeta, no un archivo",
     [](const fs::path&, const fs::path& file) {
         fs::create_directory(file);
         return std::string();
     }},
    {"a link to nothing", "no existe el archivo o la carpeta",
     [](const fs::path&, const fs::path& file) {
         fs::create_symlink("falta.txt", file);
         return std::string();
     }},
    {"a link to itself", "hay un bucle de enlaces simbólicos",
     [](const fs::path&, const fs::path& file) {
         fs::create_symlink(file.filename(), file);
         return std::string();
     }},
#ifndef _WIN32
    // Read as it is, /dev/zero never ends and eats all memory.
    {"a link to a device", "no es un archivo normal",
     [](const fs::path&, const fs::path& file) {
         fs::create_symlink("/dev/zero", file);
         return std::string();
     }},
    {"without read permission", "no tiene permiso",
     [](const fs::path&, const fs::path& file) {
         writeBytes(file, "Inside (\r\n");
         fs::permissions(file, fs::perms::none);
         return std::string();
     },
     true},
#endif
    {"program folder removed", "no existe el archivo o la carpeta",
     [](const fs::path& program, const fs::path&) {
         fs::remove_all(program);
         return std::string();
     }},
    {"program folder replaced by a file", "una parte de la ruta no es una carpeta",
     [](const fs::path& program, const fs::path&) {
         fs::remove_all(program);
         writeBytes(program, "");
         return std::string();
     }},
};

// Saved code files and the help file are read alike.
struct Reader
{
    const char* fileName;
    std::string (*read)(const fs::path&);
};

const Reader readers[] = {{"x.obn", readCodeFile}, {"Ayuda.txt", readHelpFile}};

void PrintTo(const Reader& reader, std::ostream* out)
{
    *out << reader.fileName;
}

void PrintTo(const ReadFault& fault, std::ostream* out)
{
    *out << fault.name;
}

class ReadFaultTest : public ::testing::TestWithParam<std::tuple<Reader, ReadFault>>
{};

// Both name the file and the reason.
TEST_P(ReadFaultTest, FailedReadSaysWhy)
{
    const auto& [reader, fault] = GetParam();
    TempFolder base;
    const fs::path program = base / "programa";
    fs::create_directory(program);
    const fs::path file = program / reader.fileName;
    const std::string impossible = fault.arrange(program, file);
    if (!impossible.empty()) {
        GTEST_SKIP() << impossible;
    }
    std::optional<faults::PermissionsBindRoot> bound;
    if (fault.byPermissionBits && !bound.emplace().active()) {
        GTEST_SKIP() << bound->whyNot();
    }
    try {
        reader.read(file);
        ADD_FAILURE() << "read";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "No se pudo leer «" + pathText(file) + "»: " + fault.reason + ".");
    }
}

INSTANTIATE_TEST_SUITE_P(ReadFault, ReadFaultTest,
                         ::testing::Combine(::testing::ValuesIn(readers),
                                            ::testing::ValuesIn(readFaults)),
                         [](const auto& info) {
                             return caseName(std::string(std::get<0>(info.param).fileName) + " " +
                                             std::get<1>(info.param).name);
                         });

// Whatever the system answers to a save or an open, the user reads a Spanish reason.
TEST(FileError, EveryFailureOfASaveOrAnOpenHasASpanishReason)
{
    const int codes[] = {
        EACCES, EPERM, ENOENT, ENOSPC, ENAMETOOLONG, EISDIR, ENOTDIR, EROFS,
        EINVAL, EFBIG, ELOOP,  ENOMEM, EIO,          EMFILE, ENFILE,  EBUSY,
#ifdef EDQUOT
        EDQUOT,
#endif
    };
    for (const int code : codes) {
        const std::string reason = fileErrorReason({code, std::generic_category()});
        EXPECT_EQ(reason.find("código"), std::string::npos)
            << code << " " << std::generic_category().message(code);
    }
}

} // namespace
} // namespace orbanil
