#include "files/Volumes.h"

#include "files/PathText.h"
#include "tests/files/OnWindows.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using orbanil::pathFromRoot;
using orbanil::pathFromText;
using orbanil::volumeHolding;
using orbanil::volumeRoots;
using orbanil::volumeRootsFromMounts;
using orbanil::volumeStartFolder;
using orbanil::testing::onWindows;

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

// Windows compares folder names without regard to case; elsewhere "/Home" is another folder.
TEST(VolumeRoots, HoldingVolumeComparesNamesAsTheSystemDoes)
{
    EXPECT_EQ(volumeHolding("/HOME/ana", {"/", "/home"}), onWindows ? "/home" : "/");
    EXPECT_EQ(volumeHolding(pathFromText("/Año/x"), {"/", pathFromText("/año")}),
              onWindows ? pathFromText("/año") : "/");
#ifdef _WIN32
    const Paths drives{"C:\\", "D:\\"};
    EXPECT_EQ(volumeHolding("c:\\Trenes\\Vagones", drives), "C:\\");
    EXPECT_EQ(volumeHolding("D:/Trenes", drives), "D:\\");
    EXPECT_EQ(volumeHolding("E:\\Trenes", drives), fs::path());
#endif
}

// The volumes of this machine: the drive letters on Windows, "/" first elsewhere; the one
// holding the temporary folder is among them, and choosing it shows a folder that exists.
TEST(VolumeRoots, ThisMachinesVolumesHoldTheTemporaryFolder)
{
    const Paths roots = volumeRoots();
    ASSERT_FALSE(roots.empty());
    for (const fs::path& root : roots) {
        EXPECT_TRUE(fs::is_directory(root)) << root;
        if (onWindows) {
            const std::string text = root.string();
            EXPECT_TRUE(text.size() == 3 && text[0] >= 'A' && text[0] <= 'Z' &&
                        text.substr(1) == ":\\")
                << text;
        }
    }
    EXPECT_TRUE(std::is_sorted(roots.begin() + 1, roots.end()));
    if (!onWindows) {
        EXPECT_EQ(roots.front(), "/");
    }

    const fs::path temporary = fs::canonical(fs::temp_directory_path());
    const fs::path holding = volumeHolding(temporary, roots);
    ASSERT_FALSE(holding.empty()) << temporary;
    EXPECT_TRUE(fs::is_directory(volumeStartFolder(holding)));
}

// A drive alone names its own current folder on Windows; elsewhere a volume opens at its root.
TEST(VolumeRoots, StartFolderOfTheCurrentVolume)
{
    const fs::path current = fs::current_path();
    const fs::path root = volumeHolding(current, volumeRoots());
    ASSERT_FALSE(root.empty()) << current;
    EXPECT_EQ(volumeStartFolder(root), onWindows ? current : root);
}

TEST(PathFromRoot, EveryAncestorFromTheRootDownToTheFolder)
{
    const Paths chain{"/", "/a", "/a/b", "/a/b/c"};
    EXPECT_EQ(pathFromRoot("/a/b/c"), chain);
    EXPECT_EQ(pathFromRoot("/a/b/c/"), chain);
    EXPECT_EQ(pathFromRoot("/a/./x/../b/c"), chain);
    EXPECT_EQ(pathFromRoot("/"), Paths{"/"});
    EXPECT_TRUE(pathFromRoot("").empty());
#ifdef _WIN32
    const Paths drive{"C:\\", "C:\\Trenes", "C:\\Trenes\\Vagones"};
    EXPECT_EQ(pathFromRoot("C:\\Trenes\\Vagones"), drive);
    EXPECT_EQ(pathFromRoot("C:/Trenes/Vagones/"), drive);
    EXPECT_EQ(pathFromRoot("C:\\"), Paths{"C:\\"});
    for (const fs::path& step : drive) {
        EXPECT_EQ(step.string().find('/'), std::string::npos) << step;
    }
#endif
}

} // namespace
