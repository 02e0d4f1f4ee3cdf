// Replaces a file's content atomically: the new content goes to a temporary
// file beside it, is flushed to the disk and renamed over the old file, and
// the folder is flushed. A crash or a full disk leaves the old or the new
// file, never a broken one.
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
        DiskFull,       // writing the temporary file fails with ENOSPC
        NoRename,       // the process "dies" after the flush, before the rename
        NoHardLinks     // the file system refuses hard links (FAT, exFAT)
    };

    // Writes data to path. With noReplace the call fails when something
    // exists at path already. On success stamp describes the new file.
    static bool write(const std::string &path, const std::string &data, bool noReplace,
                      FileStamp *stamp, std::string *error);

    static void setFaultForTesting(Fault fault);
};

} // namespace store
} // namespace lumtar

#endif
