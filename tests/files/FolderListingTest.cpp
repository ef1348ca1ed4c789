#include "files/FolderListing.h"

#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using orbanil::listMatchingFiles;
using orbanil::listSubfolders;
using orbanil::nameMatches;
using orbanil::pathFromRoot;
using orbanil::sortNames;
using orbanil::volumeHolding;
using orbanil::volumeRootsFromMounts;

namespace {

using Paths = std::vector<fs::path>;

// A desktop with a USB stick, a second disk and the usual kernel mounts, plus container
// bind mounts, a repeated mount and a broken line.
constexpr const char* sampleMounts =
    "sysfs /sys sysfs rw,nosuid,nodev,noexec,relatime 0 0\n"
    "proc /proc proc rw,nosuid,nodev,noexec,relatime 0 0\n"
    "udev /dev devtmpfs rw,nosuid,relatime,size=8131048k 0 0\n"
    "devpts /dev/pts devpts rw,nosuid,noexec,relatime 0 0\n"
    "tmpfs /run tmpfs rw,nosuid,nodev,noexec,relatime,size=1631388k 0 0\n"
    "/dev/nvme0n1p2 /home ext4 rw,relatime 0 0\n"
    "/dev/nvme0n1p3 / ext4 rw,relatime,errors=remount-ro 0 0\n"
    "tmpfs /dev/shm tmpfs rw,nosuid,nodev 0 0\n"
    "cgroup2 /sys/fs/cgroup cgroup2 rw,nosuid,nodev,noexec,relatime 0 0\n"
    "/dev/nvme0n1p1 /boot/efi vfat rw,relatime 0 0\n"
    "tmpfs /run/user/1000 tmpfs rw,nosuid,nodev,relatime,size=1631384k 0 0\n"
    "gvfsd-fuse /run/user/1000/gvfs fuse.gvfsd-fuse rw,nosuid,nodev 0 0\n"
    "/dev/sdb1 /media/ana/TREN\\040MSTS vfat rw,nosuid,nodev 0 0\n"
    "/dev/sdc1 /run/media/ana/CAMARA exfat rw,nosuid,nodev 0 0\n"
    "/dev/sda1 /data/trenes ext4 rw,relatime 0 0\n"
    "/dev/sda1 /data/trenes ext4 rw,relatime 0 0\n"
    "broken-line-without-fields\n"
    "mqueue /dev/mqueue mqueue rw,relatime 0 0\n";

TEST(VolumeRoots, RootFirstThenRealMountsSortedWithoutPseudoOrSystemOnes)
{
    const Paths expected{
        "/", "/boot/efi", "/data/trenes", "/home", "/media/ana/TREN MSTS", "/run/media/ana/CAMARA"};
    EXPECT_EQ(volumeRootsFromMounts(sampleMounts), expected);
}

TEST(VolumeRoots, EmptyOrUnreadableTableStillOffersTheRoot)
{
    EXPECT_EQ(volumeRootsFromMounts(""), Paths{"/"});
    EXPECT_EQ(volumeRootsFromMounts("overlay / overlay rw 0 0\n"), Paths{"/"});
}

TEST(VolumeRoots, OctalEscapesOfTabAndBackslashAreDecoded)
{
    EXPECT_EQ(volumeRootsFromMounts("/dev/sdb1 /mnt/a\\011b\\134c vfat rw 0 0\n"),
              (Paths{"/", "/mnt/a\tb\\c"}));
}

TEST(VolumeRoots, HoldingVolumeIsTheLongestRootThatIsAWholeFolderPrefix)
{
    const Paths roots{"/", "/home", "/home2", "/media/usb"};
    struct Case
    {
        fs::path folder;
        fs::path volume;
    };
    const std::vector<Case> cases{
        {"/home/ana/trenes", "/home"}, {"/home2/x", "/home2"}, {"/homeless", "/"},
        {"/media/usb", "/media/usb"},  {"/media", "/"},        {"/", "/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(volumeHolding(c.folder, roots), c.volume) << c.folder;
    }
    EXPECT_EQ(volumeHolding("/home/ana", {}), fs::path());
    EXPECT_EQ(volumeHolding("/home/ana", {"/srv"}), fs::path());
}

TEST(PathFromRoot, EveryAncestorFromTheRootDownToTheFolder)
{
    const Paths chain{"/", "/a", "/a/b", "/a/b/c"};
    EXPECT_EQ(pathFromRoot("/a/b/c"), chain);
    EXPECT_EQ(pathFromRoot("/a/b/c/"), chain);
    EXPECT_EQ(pathFromRoot("/a/./x/../b/c"), chain);
    EXPECT_EQ(pathFromRoot("/"), Paths{"/"});
    EXPECT_TRUE(pathFromRoot("").empty());
}

TEST(NameMatches, PatternsIgnoreCaseAndNeverTakeALongerExtension)
{
    struct Case
    {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const std::vector<Case> cases{
        {"cab.s", "*.s", true},   {"CAB.S", "*.s", true},    {"Cab.s", "*.S", true},
        {"x.sms", "*.s", false},  {"x.s.bak", "*.s", false}, {"s", "*.s", false},
        {"a.ss", "*.s", false},   {"x.sms.s", "*.s", true},  {".s", "*.s", true},
        {"a.SMS", "*.sms", true}, {"a.sm", "*.sms", false},  {"a.s", "*.sms", false},
        {"ab.s", "?b.s", true},   {"b.s", "?b.s", false},    {"anything", "*", true},
        {"", "*", true},          {"a.s.s", "*.s", true},    {"Ñandú.S", "*.s", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nameMatches(c.name, c.pattern), c.matches) << c.name << " against " << c.pattern;
    }
}

TEST(SortNames, WithoutRegardToCaseThenUpperCaseFirst)
{
    Paths names{"b.s", "a.s", "C.s", "ab.s", "A.s", "a"};
    sortNames(names);
    EXPECT_EQ(names, (Paths{"a", "A.s", "a.s", "ab.s", "b.s", "C.s"}));
}

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
    EXPECT_EQ(listSubfolders(m_folder), (Paths{"carpeta.s", "Zeta"}));
}

TEST_F(FolderListingTest, LinksCountAsWhatTheyPointToAndBrokenOnesAreLeftOut)
{
    touch("real.s");
    fs::create_directory(m_folder / "real");
    fs::create_symlink(m_folder / "real.s", m_folder / "link.s");
    fs::create_directory_symlink(m_folder / "real", m_folder / "linkdir");
    fs::create_symlink(m_folder / "gone.s", m_folder / "broken.s");

    EXPECT_EQ(listMatchingFiles(m_folder, "*.s"), (Paths{"link.s", "real.s"}));
    EXPECT_EQ(listSubfolders(m_folder), (Paths{"linkdir", "real"}));
}

TEST_F(FolderListingTest, AFolderThatCannotBeReadGivesNothingRatherThanAnEmptyList)
{
    touch("plain.s");
    EXPECT_EQ(listSubfolders(m_folder / "missing"), std::nullopt);
    EXPECT_EQ(listMatchingFiles(m_folder / "missing", "*.s"), std::nullopt);
    EXPECT_EQ(listSubfolders(m_folder / "plain.s"), std::nullopt);
    EXPECT_EQ(listSubfolders(m_folder), Paths{});
}

} // namespace
