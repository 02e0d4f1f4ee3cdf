// Writes one .bin image into an opened HID bootloader: checks the image,
// makes sure the bootloader is the image's model and target, sends it in
// numbered blocks within a window of unacknowledged ones, has it verified
// and restarts it. Blocks the calling thread; the device's going away (or
// its handle being closed) ends it at the next report.
#ifndef LUMTAR_FIRMWARE_WRITER_H
#define LUMTAR_FIRMWARE_WRITER_H

#include "sdk/firmware/BinImage.h"
#include "sdk/firmware/BootloaderChannel.h"
#include "sdk/firmware/FirmwareTable.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lumtar {
namespace firmware {

struct WriterTimeouts {
    int identifyMs = 1000;
    int beginMs = 5000;  // the bootloader prepares its flash first
    int ackMs = 2000;
    int verifyMs = 10000; // it writes and reads back the whole image
};

class FirmwareWriter {
public:
    FirmwareWriter(BootloaderChannel& channel, const FirmwareTable& table);

    void setTimeouts(const WriterTimeouts& timeouts) { m_timeouts = timeouts; }
    // Called with (image bytes, bytes acknowledged) as acknowledgements come.
    void setProgress(std::function<void(int total, int done)> progress) { m_progress = std::move(progress); }

    // image: the whole file. Returns LUMTAR_FW_OK or a negative LUMTAR_FW_
    // code (sdk/include/LumtarFirmware.h); why() tells more.
    int write(const std::vector<uint8_t>& image, int bankSize, int receiverFlag);
    const std::string& why() const { return m_why; }

private:
    // Waits for a reply of kind want (an error reply always ends the wait).
    // Other replies are left behind: they belong to an earlier attempt.
    int await(boot::ReplyKind want, int timeoutMs, boot::Reply* reply);
    int sendBlocks(const std::vector<uint8_t>& image);
    int fail(int code, const std::string& why);
    void progress(int done);

    BootloaderChannel& m_channel;
    const FirmwareTable& m_table;
    WriterTimeouts m_timeouts;
    std::function<void(int, int)> m_progress;
    std::string m_why;
    int m_total = 0;
};

} // namespace firmware
} // namespace lumtar

#endif
