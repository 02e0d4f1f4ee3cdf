#include "sdk/store/AtomicFileWriter.h"

#include <atomic>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace lumtar {
namespace store {

namespace {

typedef AtomicFileWriter::Fault Fault;

std::atomic<Fault> g_fault{Fault::None};
std::atomic<unsigned long long> g_syncs{0};

std::string folderOf(const std::string &path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string baseOf(const std::string &path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string errnoText(const char *what, int err)
{
    return std::string(what) + ": " + strerror(err);
}

int syncFd(int fd)
{
    g_syncs.fetch_add(1, std::memory_order_relaxed);
    return ::fsync(fd);
}

bool writeAll(int fd, const char *data, size_t size, int *err)
{
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *err = errno;
            return false;
        }
        if (n == 0) {
            *err = EIO;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// The file a write replaces: path itself, or the file at the end of the
// links path names.
struct Target
{
    std::string path;
    bool exists = false;
    struct stat st;
};

bool findTarget(const std::string &path, Target *target, std::string *error)
{
    target->path = path;
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) {
        if (errno == ENOENT)
            return true; // removed meanwhile: the write makes it anew
        *error = errnoText("cannot look at the file", errno);
        return false;
    }
    if (S_ISLNK(st.st_mode)) {
        char *real = ::realpath(path.c_str(), nullptr);
        if (!real) {
            *error = errnoText("cannot follow the symbolic link", errno);
            return false;
        }
        target->path = real;
        ::free(real);
        if (::stat(target->path.c_str(), &st) != 0) {
            *error = errnoText("cannot look at the file the link names", errno);
            return false;
        }
    }
    if (!S_ISREG(st.st_mode)) {
        *error = "not a regular file";
        return false;
    }
    // access() lets root write anything: a file without any write bit was
    // made read-only on purpose.
    if ((st.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target->path.c_str(), W_OK, AT_EACCESS) != 0) {
        *error = "the file is read-only; it is left as it is";
        return false;
    }
    target->exists = true;
    target->st = st;
    return true;
}

std::string randomSuffix()
{
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::atomic<unsigned> counter{0};
    unsigned char bytes[6];
    if (::getrandom(bytes, sizeof bytes, GRND_NONBLOCK) != ssize_t(sizeof bytes)) {
        struct timespec now;
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        unsigned long long mix = (static_cast<unsigned long long>(now.tv_nsec) << 20)
                                 ^ static_cast<unsigned long long>(::getpid()) ^ (counter.fetch_add(1) * 2654435761ULL);
        for (unsigned char &b : bytes) {
            b = static_cast<unsigned char>(mix);
            mix = (mix >> 8) | (mix << 56);
        }
    }
    std::string s(sizeof bytes, 'X');
    for (size_t i = 0; i < sizeof bytes; ++i)
        s[i] = kChars[bytes[i] % (sizeof kChars - 1)];
    return s;
}

// A new temporary file ".<base>.tmp-XXXXXX" in folder, opened for writing.
int createTemporary(const std::string &folder, const std::string &base, mode_t mode, std::string *tmp)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *tmp = folder + "/." + base + ".tmp-" + randomSuffix();
        const int fd = ::open(tmp->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Moves tmp to path unless something exists at path; tmp stays on failure.
bool moveToNewName(const std::string &tmp, const std::string &path, Fault fault, int *err)
{
    const bool noHardLinks = fault == Fault::NoHardLinks || fault == Fault::NoHardLinksInterrupted
                             || fault == Fault::NoHardLinksNoRenameat2;
    // link() refuses an existing target, so a file that appeared in the
    // meantime is never replaced.
    if (!noHardLinks) {
        if (::link(tmp.c_str(), path.c_str()) == 0) {
            ::unlink(tmp.c_str());
            return true;
        }
        *err = errno;
        if (*err == EEXIST)
            return false;
    }
    // No hard links on this file system (FAT, exFAT): a rename that refuses
    // to replace does the same in one step.
    if (fault == Fault::NoHardLinksInterrupted) {
        *err = EINTR; // as if the process ended here
        return false;
    }
    if (fault != Fault::NoHardLinksNoRenameat2) {
        if (::renameat2(AT_FDCWD, tmp.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
            return true;
        *err = errno;
        if (*err != EINVAL && *err != ENOSYS && *err != EOPNOTSUPP)
            return false;
    }
    // Neither (some FUSE file systems): claim the name with an empty file of
    // our own, then rename the content over it.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        *err = errno;
        return false;
    }
    ::close(fd);
    if (::rename(tmp.c_str(), path.c_str()) == 0)
        return true;
    *err = errno;
    ::unlink(path.c_str());
    return false;
}

void syncFolder(const std::string &folder)
{
    int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        syncFd(dfd);
        ::close(dfd);
    }
}

} // namespace

void AtomicFileWriter::setFaultForTesting(Fault fault)
{
    g_fault.store(fault);
}

unsigned long long AtomicFileWriter::syncCount()
{
    return g_syncs.load(std::memory_order_relaxed);
}

bool AtomicFileWriter::write(const std::string &path, const std::string &data, bool noReplace,
                             FileStamp *stamp, std::string *error)
{
    Target target;
    target.path = path;
    if (!noReplace && !findTarget(path, &target, error))
        return false;
    const std::string folder = folderOf(target.path);
    std::string tmp;
    // A new file gets 0666 less the umask (or the folder's default ACL) from
    // open() itself; a rewritten one gets its old mode below.
    int fd = createTemporary(folder, baseOf(target.path), target.exists ? 0600 : 0666, &tmp);
    if (fd < 0) {
        *error = errnoText("cannot create a temporary file beside it", errno);
        return false;
    }
    if (target.exists) {
        if (target.st.st_uid != ::geteuid() || target.st.st_gid != ::getegid()) {
            // Only root may give the file back to its owner; anyone may try.
            if (::fchown(fd, target.st.st_uid, target.st.st_gid) != 0)
                (void)!::fchown(fd, static_cast<uid_t>(-1), target.st.st_gid);
        }
        ::fchmod(fd, target.st.st_mode & 0777);
    }

    const Fault fault = g_fault.load();
    int err = 0;
    bool ok = true;
    if (fault == Fault::DiskFull) {
        // Half of the data reaches the disk, then it is full.
        writeAll(fd, data.data(), data.size() / 2, &err);
        err = ENOSPC;
        ok = false;
    } else {
        ok = writeAll(fd, data.data(), data.size(), &err);
    }
    if (ok && syncFd(fd) != 0) {
        err = errno;
        ok = false;
    }
    struct stat st;
    if (ok && ::fstat(fd, &st) != 0) {
        err = errno;
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        err = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(tmp.c_str());
        *error = errnoText("writing the new content failed", err);
        return false;
    }
    if (fault == Fault::NoRename) {
        // As if the process ended here: the temporary file stays behind.
        *error = "interrupted before the rename";
        return false;
    }

    if (noReplace) {
        if (!moveToNewName(tmp, target.path, fault, &err)) {
            if (fault != Fault::NoHardLinksInterrupted)
                ::unlink(tmp.c_str());
            *error = errnoText("cannot create the file", err);
            return false;
        }
    } else if (::rename(tmp.c_str(), target.path.c_str()) != 0) {
        err = errno;
        ::unlink(tmp.c_str());
        *error = errnoText("cannot rename the new content over the file", err);
        return false;
    }
    syncFolder(folder);
    if (stamp)
        *stamp = FileStamp::fromStat(st);
    return true;
}

} // namespace store
} // namespace lumtar
