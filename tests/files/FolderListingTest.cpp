#include "files/FolderListing.h"

#include "files/FileError.h"
#include "files/PathText.h"
#include "tests/files/OnWindows.h"

#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using orbanil::EntryKind;
using orbanil::FileError;
using orbanil::listFolder;
using orbanil::listMatchingFiles;
using orbanil::pathText;
using orbanil::testing::onWindows;

namespace {

using Paths = std::vector<fs::path>;

class FolderListingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::random_device seed;
        m_folder = fs::temp_directory_path() /
                   ("orbanil-listing-" + std::to_string(seed()) + std::to_string(seed()));
        fs::create_directories(m_folder);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    void touch(const fs::path& name) const { std::ofstream(m_folder / name) << "x"; }

    fs::path m_folder;
};

TEST_F(FolderListingTest, FilesMatchingThePatternSortedAndNoFolders)
{
    for (const char* name : {"b.S", "a.s", "x.sms", "c.SMS", "readme.txt"}) {
        touch(name);
    }
    fs::create_directory(m_folder / "carpeta.s");
    fs::create_directory(m_folder / "Zeta");

    EXPECT_EQ(listMatchingFiles(m_folder, "*.s"), (Paths{"a.s", "b.S"}));
    EXPECT_EQ(listMatchingFiles(m_folder, "*.sms"), (Paths{"c.SMS", "x.sms"}));
    EXPECT_EQ(listFolder(m_folder, EntryKind::Folder), (Paths{"carpeta.s", "Zeta"}));
}

TEST_F(FolderListingTest, LinksCountAsWhatTheyPointToAndBrokenOnesAreLeftOut)
{
    if (onWindows) {
        GTEST_SKIP() << "symbolic links need a privilege on Windows and MinGW cannot make them";
    }
    touch("real.s");
    fs::create_directory(m_folder / "real");
    fs::create_symlink(m_folder / "real.s", m_folder / "link.s");
    fs::create_directory_symlink(m_folder / "real", m_folder / "linkdir");
    fs::create_symlink(m_folder / "gone.s", m_folder / "broken.s");

    EXPECT_EQ(listMatchingFiles(m_folder, "*.s"), (Paths{"link.s", "real.s"}));
    EXPECT_EQ(listFolder(m_folder, EntryKind::Folder), (Paths{"linkdir", "real"}));
}

TEST_F(FolderListingTest, AFolderThatCannotBeReadGivesNothingRatherThanAnEmptyList)
{
    touch("plain.s");
    EXPECT_EQ(listMatchingFiles(m_folder / "missing", "*.s"), std::nullopt);
    EXPECT_EQ(listMatchingFiles(m_folder / "plain.s", "*.s"), std::nullopt);
    EXPECT_EQ(listMatchingFiles(m_folder, "*.sms"), Paths{});
}

TEST_F(FolderListingTest, HiddenEntriesAreListedLikeAnyOther)
{
    touch(".oculto.s");
    touch("visible.s");
    fs::create_directory(m_folder / ".carpeta");
    EXPECT_EQ(listFolder(m_folder, EntryKind::File, "*.s"), (Paths{".oculto.s", "visible.s"}));
    EXPECT_EQ(listFolder(m_folder, EntryKind::File), (Paths{".oculto.s", "visible.s"}));
    EXPECT_EQ(listFolder(m_folder, EntryKind::Folder), Paths{".carpeta"});
}

// The listing says why; only the picker's file list above leaves the reason out.
TEST_F(FolderListingTest, AFolderThatCannotBeReadIsReportedWithTheReason)
{
    touch("plain.s");
    for (const EntryKind kind : {EntryKind::Folder, EntryKind::File}) {
        try {
            listFolder(m_folder / "missing", kind);
            ADD_FAILURE() << "listed";
        } catch (const FileError& e) {
            EXPECT_EQ(std::string(e.what()), "No se pudo leer la carpeta «" +
                                                 pathText(m_folder / "missing") +
                                                 "»: no existe el archivo o la carpeta.");
            EXPECT_EQ(e.file(), m_folder / "missing");
        }
        EXPECT_THROW(listFolder(m_folder / "plain.s", kind), FileError);
    }
}

} // namespace
