// The bootloader protocol on arbitrary bytes: a report a decoder accepts is
// canonical (encoding what it read gives the same 64 bytes), and the
// firmware writer, answered by any sequence of reports, never runs past
// them, never hangs and reports success only after a verification of the
// image's own CRC.
#include "FuzzFirmware.h"
#include "sdk/firmware/BinImage.h"
#include "sdk/firmware/BootloaderProtocol.h"
#include "sdk/firmware/Crc.h"
#include "sdk/firmware/FirmwareWriter.h"
#include "sdk/include/LumtarFirmware.h"

#include <cstdlib>
#include <cstring>

namespace fw = lumtar::firmware;
namespace boot = lumtar::firmware::boot;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

boot::Report encoded(const boot::Reply& p)
{
    switch (p.kind) {
    case boot::ReplyKind::Identity:
        return boot::identity(p.target, p.maxImageSize, p.hasValidImage, p.model, p.protocolVersion, p.blockData);
    case boot::ReplyKind::Ready:
        return boot::ready(p.blocks);
    case boot::ReplyKind::Ack:
        return boot::ack(p.nextBlock);
    case boot::ReplyKind::Verified:
        return boot::verified(p.crc);
    case boot::ReplyKind::Error:
        return boot::error(p.error, p.nextBlock);
    }
    return boot::Report{};
}

boot::Report encoded(const boot::Request& q)
{
    switch (q.command) {
    case boot::Command::Identify:
        return boot::identify();
    case boot::Command::Begin:
        return boot::begin(q.imageSize, q.imageCrc, q.target, q.model);
    case boot::Command::Block:
        return boot::block(q.block, q.data.data(), q.dataLength);
    case boot::Command::Verify:
        return boot::verify();
    case boot::Command::Restart:
        return boot::restart();
    }
    return boot::Report{};
}

// Answers every read with the next 64 bytes of the input, then nothing.
class ScriptChannel : public fw::BootloaderChannel {
public:
    ScriptChannel(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool send(const boot::Report&) override { return ++m_sent < 20000; }
    int receive(boot::Report* out, int) override
    {
        if (m_at + boot::kReportSize > m_size)
            return 0;
        std::memcpy(out->data(), m_data + m_at, boot::kReportSize);
        m_at += boot::kReportSize;
        return 1;
    }
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
    int m_sent = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size >= boot::kReportSize) {
        boot::Reply p;
        if (boot::decodeReply(data, boot::kReportSize, &p))
            check(encoded(p) == [&] {
                boot::Report r;
                std::memcpy(r.data(), data, r.size());
                return r;
            }());
        boot::Request q;
        if (boot::decodeRequest(data, boot::kReportSize, &q)) {
            const boot::Report again = encoded(q);
            check(std::memcmp(again.data(), data, again.size()) == 0);
        }
    }

    const std::vector<uint8_t>& image = fuzzBinImage();
    ScriptChannel channel(data, size);
    fw::FirmwareWriter writer(channel, fuzzFirmwareTable());
    writer.setTimeouts({ 0, 0, 0, 0 });
    int lastDone = -1;
    writer.setProgress([&](int total, int done) {
        check(total == 1024 && done >= lastDone && done <= total);
        lastDone = done;
    });
    if (writer.write(image, 512, 0) == LUMTAR_FW_OK) {
        // The success rests on a verification of this image's CRC somewhere in the answers.
        const uint32_t crc = fw::crc32(image.data(), image.size());
        bool verified = false;
        for (size_t at = 0; at + boot::kReportSize <= channel.m_at; at += boot::kReportSize) {
            boot::Reply p;
            verified = verified
                || (boot::decodeReply(data + at, boot::kReportSize, &p) && p.kind == boot::ReplyKind::Verified
                    && p.crc == crc);
        }
        check(verified && lastDone == 1024);
    }
    return 0;
}
