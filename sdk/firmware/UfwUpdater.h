// What the firmware library of the .ufw family does behind its five entry
// points: it keeps the image last loaded, finds keyboards in update mode
// among the removable volumes and writes the image into one, then waits for
// the keyboard's verdict. One call at a time (a lock); the calls may come
// from any thread. Results are the JL_ codes of sdk/include/LumtarUfwLibrary.h.
#ifndef LUMTAR_UFW_UPDATER_H
#define LUMTAR_UFW_UPDATER_H

#include "sdk/firmware/UfwImage.h"
#include "sdk/firmware/UpdateVolume.h"
#include "sdk/include/LumtarUfwLibrary.h"

#include <mutex>
#include <string>
#include <vector>

namespace lumtar {
namespace firmware {

class UfwUpdater {
public:
    static constexpr int kVerdictWaitMs = 15000;
    static constexpr int kVerdictPollMs = 20;
    static constexpr size_t kCopyChunk = 16 * 1024;

    int loadImage(const unsigned char* image, int length);
    int imageCrc(unsigned short* crc, unsigned int* value);
    int imageIdentity(char* id, int idCapacity, char* version, int versionCapacity);
    int query(int driveLetter, char* id, int idCapacity, char* version, int versionCapacity);
    int upgrade(int driveLetter, int arg1, int arg2, JL_progress_t progress);

    void setVerdictWaitMs(int ms) { m_verdictWaitMs = ms; }

private:
    // The volume of a drive letter when a keyboard in update mode is on it.
    static int keyboardVolume(int driveLetter, std::string* folder, volume::Identity* identity);
    int copyImage(const std::string& folder, JL_progress_t progress);
    int awaitVerdict(const std::string& folder);

    std::mutex m_mutex;
    bool m_loaded = false;
    UfwImage m_image;
    std::vector<uint8_t> m_file;
    int m_verdictWaitMs = kVerdictWaitMs;
};

} // namespace firmware
} // namespace lumtar

#endif
