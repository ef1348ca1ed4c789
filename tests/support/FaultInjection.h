#pragma once

// Ways to make file operations fail that hold for root as well, who ignores permission bits: a
// small file system of the test's own (full, out of inodes, read-only), a folder made read-only
// by a bind mount, a limit on how far this process may grow a file, and root held to the
// permission bits like any user.

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <iterator>
#include <string>
#include <system_error>

#ifdef __linux__
#include <csignal>
#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace orbanil::faults {

inline bool runningAsRoot()
{
#ifdef _WIN32
    return false;
#else
    return ::geteuid() == 0;
#endif
}

// A mount over a folder of the test, undone (lazily, so an open handle cannot stop it) at the end.
// Mounting needs root on Linux; elsewhere, or when refused, mounted() is false and whyNot() says
// why.
class ScratchMount
{
public:
    ScratchMount() = default;
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;
    ~ScratchMount() { unmount(); }

    // A tmpfs with the given options ("size=64k", "nr_inodes=2") over an empty folder.
    bool mountTmpfs(const std::filesystem::path& folder, const std::string& options)
    {
#ifdef __linux__
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) {
            return refused("mount -t tmpfs");
        }
        m_folder = folder;
        return true;
#else
        (void)folder;
        (void)options;
        return refused("mount");
#endif
    }

    // The folder, with what it holds, becomes read-only: a read-only bind mount of itself.
    bool bindReadOnly(const std::filesystem::path& folder)
    {
#ifdef __linux__
        if (::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0) {
            return refused("mount --bind");
        }
        m_folder = folder;
        return remountReadOnly();
#else
        (void)folder;
        return refused("mount --bind");
#endif
    }

    // What is mounted turns read-only, keeping its files.
    bool remountReadOnly()
    {
#ifdef __linux__
        if (m_folder.empty()) {
            return refused("nothing mounted to remount");
        }
        if (::mount(nullptr, m_folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                    nullptr) != 0) {
            return refused("mount -o remount,ro");
        }
        return true;
#else
        return refused("mount -o remount,ro");
#endif
    }

    void unmount()
    {
#ifdef __linux__
        if (!m_folder.empty()) {
            ::umount2(m_folder.c_str(), MNT_DETACH);
        }
#endif
        m_folder.clear();
    }

    bool mounted() const { return !m_folder.empty(); }
    const std::string& whyNot() const { return m_whyNot; }

private:
    bool refused(const std::string& what)
    {
#ifdef __linux__
        m_whyNot = what + " refused (" + std::error_code(errno, std::generic_category()).message() +
                   (runningAsRoot() ? "; no CAP_SYS_ADMIN here)" : "; needs root)");
#else
        m_whyNot = what + " is not available on this platform";
#endif
        return false;
    }

    std::filesystem::path m_folder;
    std::string m_whyNot;
};

// While it lives, no file this process writes can grow past `bytes`: a write beyond fails with
// EFBIG (for root too) instead of the signal ending the process.
class WriteSizeLimit
{
public:
    explicit WriteSizeLimit(unsigned long bytes)
    {
#ifdef __linux__
        struct sigaction ignore = {};
        ignore.sa_handler = [](int) {};
        m_signalSet = ::sigaction(SIGXFSZ, &ignore, &m_oldSignal) == 0;
        m_limitSet = ::getrlimit(RLIMIT_FSIZE, &m_oldLimit) == 0;
        if (m_limitSet) {
            rlimit limit = m_oldLimit;
            limit.rlim_cur = bytes;
            m_limitSet = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        }
#else
        (void)bytes;
#endif
    }
    ~WriteSizeLimit()
    {
#ifdef __linux__
        if (m_limitSet) {
            ::setrlimit(RLIMIT_FSIZE, &m_oldLimit);
        }
        if (m_signalSet) {
            ::sigaction(SIGXFSZ, &m_oldSignal, nullptr);
        }
#endif
    }
    WriteSizeLimit(const WriteSizeLimit&) = delete;
    WriteSizeLimit& operator=(const WriteSizeLimit&) = delete;

    bool active() const { return m_limitSet && m_signalSet; }

private:
    bool m_limitSet = false;
    bool m_signalSet = false;
#ifdef __linux__
    rlimit m_oldLimit = {};
    struct sigaction m_oldSignal = {};
#endif
};

// While it lives, the permission bits bind the calling thread as they bind any user, even when it
// runs as root: the thread's effective capabilities lose the two that let root read, write and
// search past them. A user is bound anyway. When that cannot be done, active() is false and
// whyNot() says why.
class PermissionsBindRoot
{
public:
    PermissionsBindRoot()
    {
#ifdef __linux__
        if (!runningAsRoot()) {
            return;
        }
        __user_cap_data_struct bound[_LINUX_CAPABILITY_U32S_3];
        if (::syscall(SYS_capget, &m_header, m_kept) == 0) {
            std::copy(std::begin(m_kept), std::end(m_kept), std::begin(bound));
            bound[0].effective &= ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH));
            m_dropped = ::syscall(SYS_capset, &m_header, bound) == 0;
        }
        if (!m_dropped) {
            m_whyNot = "capset refused (" +
                       std::error_code(errno, std::generic_category()).message() +
                       "): root reads past the permission bits";
        }
#endif
    }
    ~PermissionsBindRoot()
    {
#ifdef __linux__
        if (m_dropped) {
            ::syscall(SYS_capset, &m_header, m_kept);
        }
#endif
    }
    PermissionsBindRoot(const PermissionsBindRoot&) = delete;
    PermissionsBindRoot& operator=(const PermissionsBindRoot&) = delete;

    bool active() const { return m_whyNot.empty(); }
    const std::string& whyNot() const { return m_whyNot; }

private:
#ifdef __linux__
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_kept[_LINUX_CAPABILITY_U32S_3]{};
    bool m_dropped = false;
#endif
    std::string m_whyNot;
};

} // namespace orbanil::faults
