#include "sdk/store/AtomicFileWriter.h"

#include <atomic>
#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumtar {
namespace store {

namespace {

std::atomic<AtomicFileWriter::Fault> g_fault{AtomicFileWriter::Fault::None};

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

// Moves tmp to path unless something exists at path; tmp stays on failure.
bool moveToNewName(const std::string &tmp, const std::string &path, bool noHardLinks, int *err)
{
    // link() refuses an existing target, so a file that appeared in the
    // meantime is never replaced.
    if (!noHardLinks && ::link(tmp.c_str(), path.c_str()) == 0) {
        ::unlink(tmp.c_str());
        return true;
    }
    *err = noHardLinks ? EPERM : errno;
    if (*err == EEXIST)
        return false;
    // No hard links on this file system (FAT, exFAT): claim the name with an
    // empty file of our own, then rename the content over it.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
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
        ::fsync(dfd);
        ::close(dfd);
    }
}

} // namespace

void AtomicFileWriter::setFaultForTesting(Fault fault)
{
    g_fault.store(fault);
}

bool AtomicFileWriter::write(const std::string &path, const std::string &data, bool noReplace,
                             FileStamp *stamp, std::string *error)
{
    const std::string folder = folderOf(path);
    std::string tmp = folder + "/." + baseOf(path) + ".tmp-XXXXXX";
    std::string templ = tmp;
    int fd = ::mkostemp(&templ[0], O_CLOEXEC);
    if (fd < 0) {
        *error = errnoText("cannot create a temporary file beside it", errno);
        return false;
    }
    tmp = templ;
    ::fchmod(fd, 0644);

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
    if (ok && ::fsync(fd) != 0) {
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
        if (!moveToNewName(tmp, path, fault == Fault::NoHardLinks, &err)) {
            ::unlink(tmp.c_str());
            *error = errnoText("cannot create the file", err);
            return false;
        }
    } else if (::rename(tmp.c_str(), path.c_str()) != 0) {
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
