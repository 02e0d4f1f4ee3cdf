// Replaces a file's content atomically: the new content goes to a temporary
// file beside it, is flushed to the disk and renamed over the old file, and
// the folder is flushed. A crash or a full disk leaves the old or the new
// file, never a broken one.
//
// The file stays the user's: a rewritten file keeps its mode (and owner where
// the process may keep it), a new file gets 0666 less the umask, a file
// without write permission is refused, and a path that is a symbolic link
// is written through to the file it names, whose folder then holds the
// temporary file.
#ifndef LUMTAR_ATOMIC_FILE_WRITER_H
#define LUMTAR_ATOMIC_FILE_WRITER_H

#include "sdk/store/FileStamp.h"

#include <string>

namespace lumtar {
namespace store {

class AtomicFileWriter
{
public:
    // Faults the tests inject to see that the old file survives.
    enum class Fault {
        None,
        DiskFull,               // writing the temporary file fails with ENOSPC
        NoRename,               // the process "dies" after the flush, before the rename
        NoHardLinks,            // the file system refuses hard links (FAT, exFAT)
        NoHardLinksInterrupted, // as NoHardLinks, and the process "dies" before the new file is in place
        NoHardLinksNoRenameat2  // neither hard links nor a rename that refuses to replace (old FUSE)
    };

    // Writes data to path. With noReplace the call fails when something
    // exists at path already (a link included, dangling or not). On success
    // stamp describes the new file.
    static bool write(const std::string &path, const std::string &data, bool noReplace,
                      FileStamp *stamp, std::string *error);

    // How many times the writes so far flushed a file or a folder to the
    // disk (benchmarks and tests count them).
    static unsigned long long syncCount();

    static void setFaultForTesting(Fault fault);
};

} // namespace store
} // namespace lumtar

#endif
