// One folder of a removable volume, held open by its directory descriptor.
// Every file is reached relative to it, by a plain name, and only as a
// regular file: a symbolic link, a FIFO, a device node or a folder under one
// of our names is never opened, read or written through, so nothing outside
// the volume can be touched from it.
#ifndef LUMTAR_VOLUME_DIRECTORY_H
#define LUMTAR_VOLUME_DIRECTORY_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace lumtar {
namespace firmware {

class VolumeDirectory {
public:
    // What lies under a name.
    enum class Entry { Missing, Regular, Other, Error };
    // How a read ended.
    enum class Read { Ok, Missing, NotRegular, TooLarge, Error };

    VolumeDirectory() = default;
    explicit VolumeDirectory(const std::string& folder);
    ~VolumeDirectory();
    VolumeDirectory(const VolumeDirectory&) = delete;
    VolumeDirectory& operator=(const VolumeDirectory&) = delete;

    // Opens the folder itself without following a link in its last part.
    // errno is kept for the caller when it fails.
    bool open(const std::string& folder);
    bool isOpen() const { return m_fd >= 0; }
    const std::string& folder() const { return m_folder; }

    // Whether the folder is still the one opened: not removed, not replaced
    // by another under its path.
    bool stillThere() const;

    Entry entry(const char* name) const;
    // The whole of a regular file of at most maxSize bytes. The file is
    // opened without following a link and without waiting for a writer (a
    // FIFO is refused, not waited on).
    Read readSmall(const char* name, size_t maxSize, std::string* out) const;
    // Removes a regular file; true when none is left under the name. A name
    // that holds anything else is left alone and refused.
    bool removeRegular(const char* name) const;
    // Creates a new regular file (never an existing one, never through a
    // link) and writes data whole, synced. cancelled, when given, is asked
    // between chunks; progress gets the bytes written so far.
    template <typename Cancelled, typename Progress>
    bool createWhole(const char* name, const uint8_t* data, size_t size, Cancelled cancelled, Progress progress) const;
    // Renames within the folder; an existing target name is replaced, never
    // followed.
    bool rename(const char* from, const char* to) const;

    // A regular file written whole under a temporary name, then renamed.
    bool writeAtomically(const char* name, const std::string& text) const;

    static constexpr size_t kWriteChunk = 16 * 1024;

private:
    int createExclusive(const char* name) const;
    static bool writeAll(int fd, const uint8_t* data, size_t size);
    bool finishFile(int fd, const char* name, bool ok) const;

    int m_fd = -1;
    std::string m_folder;
    uint64_t m_device = 0;
    uint64_t m_inode = 0;
};

template <typename Cancelled, typename Progress>
bool VolumeDirectory::createWhole(const char* name, const uint8_t* data, size_t size, Cancelled cancelled,
                                  Progress progress) const
{
    const int fd = createExclusive(name);
    if (fd < 0)
        return false;
    size_t written = 0;
    bool ok = true;
    while (ok && written < size) {
        if (cancelled()) {
            ok = false;
            break;
        }
        const size_t n = size - written < kWriteChunk ? size - written : kWriteChunk;
        ok = writeAll(fd, data + written, n);
        if (ok) {
            written += n;
            progress(written);
        }
    }
    return finishFile(fd, name, ok);
}

} // namespace firmware
} // namespace lumtar

#endif
