#include "sdk/firmware/VolumeDirectory.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumtar {
namespace firmware {

namespace {

constexpr int kReadFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

} // namespace

VolumeDirectory::VolumeDirectory(const std::string& folder)
{
    open(folder);
}

VolumeDirectory::~VolumeDirectory()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool VolumeDirectory::open(const std::string& folder)
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_folder = folder;
    if (folder.empty()) {
        errno = ENOENT;
        return false;
    }
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        const int e = errno;
        ::close(fd);
        errno = e;
        return false;
    }
    m_fd = fd;
    m_device = static_cast<uint64_t>(st.st_dev);
    m_inode = static_cast<uint64_t>(st.st_ino);
    return true;
}

bool VolumeDirectory::stillThere() const
{
    if (m_fd < 0)
        return false;
    struct stat held;
    if (::fstat(m_fd, &held) != 0 || held.st_nlink == 0)
        return false;
    struct stat now;
    return ::lstat(m_folder.c_str(), &now) == 0 && static_cast<uint64_t>(now.st_dev) == m_device
        && static_cast<uint64_t>(now.st_ino) == m_inode;
}

VolumeDirectory::Entry VolumeDirectory::entry(const char* name) const
{
    struct stat st;
    if (::fstatat(m_fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? Entry::Missing : Entry::Error;
    return S_ISREG(st.st_mode) ? Entry::Regular : Entry::Other;
}

VolumeDirectory::Read VolumeDirectory::readSmall(const char* name, size_t maxSize, std::string* out) const
{
    const int fd = ::openat(m_fd, name, kReadFlags);
    if (fd < 0) {
        if (errno == ENOENT)
            return Read::Missing;
        // ELOOP: a link; ENXIO: a socket or a FIFO end nobody opened.
        return errno == ELOOP || errno == ENXIO ? Read::NotRegular : Read::Error;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Read::NotRegular;
    }
    std::string text(maxSize + 1, '\0');
    size_t n = 0;
    Read result = Read::Ok;
    while (n < text.size()) {
        const ssize_t r = ::read(fd, &text[n], text.size() - n);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            result = Read::Error;
            break;
        }
        if (r == 0)
            break;
        n += static_cast<size_t>(r);
    }
    ::close(fd);
    if (result != Read::Ok)
        return result;
    if (n > maxSize)
        return Read::TooLarge;
    text.resize(n);
    *out = std::move(text);
    return Read::Ok;
}

bool VolumeDirectory::removeRegular(const char* name) const
{
    switch (entry(name)) {
    case Entry::Missing:
        return true;
    case Entry::Regular:
        return ::unlinkat(m_fd, name, 0) == 0 || errno == ENOENT;
    default:
        return false;
    }
}

int VolumeDirectory::createExclusive(const char* name) const
{
    return ::openat(m_fd, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0644);
}

bool VolumeDirectory::writeAll(int fd, const uint8_t* data, size_t size)
{
    size_t done = 0;
    while (done < size) {
        const ssize_t w = ::write(fd, data + done, size - done);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return false;
        done += static_cast<size_t>(w);
    }
    return true;
}

bool VolumeDirectory::finishFile(int fd, const char* name, bool ok) const
{
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (!ok)
        ::unlinkat(m_fd, name, 0);
    return ok;
}

bool VolumeDirectory::rename(const char* from, const char* to) const
{
    return ::renameat(m_fd, from, m_fd, to) == 0;
}

bool VolumeDirectory::writeAtomically(const char* name, const std::string& text) const
{
    const std::string partial = std::string(name) + ".part";
    if (!removeRegular(partial.c_str()))
        return false;
    const int fd = createExclusive(partial.c_str());
    if (fd < 0)
        return false;
    const bool ok = writeAll(fd, reinterpret_cast<const uint8_t*>(text.data()), text.size());
    if (!finishFile(fd, partial.c_str(), ok))
        return false;
    if (rename(partial.c_str(), name))
        return true;
    ::unlinkat(m_fd, partial.c_str(), 0);
    return false;
}

} // namespace firmware
} // namespace lumtar
