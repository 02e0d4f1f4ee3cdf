// What identifies one version of a file on disk: device, inode, size and
// modification time. A cached parse stays valid while the stamp is the same.
#ifndef LUMTAR_FILE_STAMP_H
#define LUMTAR_FILE_STAMP_H

#include <sys/stat.h>

namespace lumtar {
namespace store {

struct FileStamp
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    long long mtimeSec = 0;
    long long mtimeNsec = 0;

    static FileStamp fromStat(const struct stat &st)
    {
        FileStamp s;
        s.device = st.st_dev;
        s.inode = st.st_ino;
        s.size = st.st_size;
        s.mtimeSec = st.st_mtim.tv_sec;
        s.mtimeNsec = st.st_mtim.tv_nsec;
        return s;
    }
    bool operator==(const FileStamp &o) const
    {
        return device == o.device && inode == o.inode && size == o.size && mtimeSec == o.mtimeSec
               && mtimeNsec == o.mtimeNsec;
    }
    bool operator!=(const FileStamp &o) const { return !(*this == o); }
};

} // namespace store
} // namespace lumtar

#endif
