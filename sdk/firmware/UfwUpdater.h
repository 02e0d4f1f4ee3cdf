// What the firmware library of the .ufw family does behind its entry
// points: it keeps the image last loaded, finds keyboards in update mode
// among the removable volumes and writes the image into one, then waits for
// the keyboard's verdict. The calls may come from any thread. The loaded
// image is locked only while it is looked at or replaced: a write takes the
// image loaded when it starts and keeps it to its end, whatever is loaded
// meanwhile. Writes run one at a time; cancel() ends them at their next
// step. Results are the JL_ codes of sdk/include/LumtarUfwLibrary.h.
#ifndef LUMTAR_UFW_UPDATER_H
#define LUMTAR_UFW_UPDATER_H

#include "sdk/firmware/UfwImage.h"
#include "sdk/firmware/UpdateVolume.h"
#include "sdk/include/LumtarUfwLibrary.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace lumtar {
namespace firmware {

class VolumeDirectory;

class UfwUpdater {
public:
    static constexpr int kVerdictWaitMs = 15000;
    static constexpr int kVerdictPollMs = 20;

    int loadImage(const unsigned char* image, int length);
    int imageCrc(unsigned short* crc, unsigned int* value);
    int imageIdentity(char* id, int idCapacity, char* version, int versionCapacity);
    int query(int driveLetter, char* id, int idCapacity, char* version, int versionCapacity);
    int upgrade(int driveLetter, int arg1, int arg2, JL_progress_t progress);
    // Any thread: every write under way, and every one waiting for its
    // turn, ends at its next step with JL_ERR_CANCELLED. A keyboard that
    // already holds the whole image goes on with it by itself.
    void cancel();

    void setVerdictWaitMs(int ms) { m_verdictWaitMs = ms; }

private:
    struct Loaded {
        UfwImage image;
        std::vector<uint8_t> file;
    };

    std::shared_ptr<const Loaded> loaded() const;
    // Opens the volume of a drive letter when a keyboard in update mode is on
    // it, and refuses a volume with anything but regular files under our names.
    static int openKeyboardVolume(int driveLetter, VolumeDirectory* volume, volume::Identity* identity);
    int copyImage(const VolumeDirectory& volume, const Loaded& image, JL_progress_t progress, uint64_t generation);
    int awaitVerdict(const VolumeDirectory& volume, uint64_t generation);
    bool isCancelled(uint64_t generation) const { return m_generation.load() != generation; }

    mutable std::mutex m_imageMutex;
    std::shared_ptr<const Loaded> m_loaded;
    std::mutex m_writeMutex;
    std::mutex m_cancelMutex;
    std::condition_variable m_cancelWake;
    std::atomic<uint64_t> m_generation{0};
    std::atomic<int> m_verdictWaitMs{kVerdictWaitMs};
};

} // namespace firmware
} // namespace lumtar

#endif
