// Our HID bootloader protocol: 64-byte reports both ways, written down in
// README.md. Encoders and decoders are pure functions of bytes; a decoder
// refuses anything that is not exactly a report of the protocol.
#ifndef LUMTAR_BOOTLOADER_PROTOCOL_H
#define LUMTAR_BOOTLOADER_PROTOCOL_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace lumtar {
namespace firmware {
namespace boot {

constexpr size_t kReportSize = 64;
constexpr uint8_t kMarker = 0x01;
constexpr uint8_t kProtocolVersion = 1;
// Image bytes per block report.
constexpr size_t kBlockData = 56;
// Bytes of the model text (zero-padded, at most 31 characters).
constexpr size_t kModelSize = 32;
// The bootloader acknowledges after every this many blocks and after the last.
constexpr uint32_t kAckEvery = 16;
// Blocks the host may send ahead of the last acknowledgement.
constexpr uint32_t kWindow = 64;

using Report = std::array<uint8_t, kReportSize>;

enum class Command : uint8_t { Identify = 0x40, Begin = 0x41, Block = 0x42, Verify = 0x43, Restart = 0x44 };
enum class ReplyKind : uint8_t { Identity = 0x50, Ready = 0x51, Ack = 0x52, Verified = 0x53, Error = 0x5F };
enum class ErrorCode : uint8_t {
    UnknownCommand = 1,
    WrongModel = 2,
    WrongTarget = 3,
    BadSize = 4,
    OutOfOrder = 5,
    CrcMismatch = 6,
    Incomplete = 7,
    NotBegun = 8,
    Refused = 9
};

// Targets: the keyboard itself, or its 2.4 GHz receiver.
enum { kTargetKeyboard = 0, kTargetReceiver = 1 };

struct Request {
    Command command = Command::Identify;
    // Begin
    uint32_t imageSize = 0;
    uint32_t imageCrc = 0;
    int target = kTargetKeyboard;
    std::string model;
    // Block
    uint32_t block = 0;
    size_t dataLength = 0;
    std::array<uint8_t, kBlockData> data{};
};

struct Reply {
    ReplyKind kind = ReplyKind::Error;
    // Identity
    int protocolVersion = 0;
    int target = kTargetKeyboard;
    uint32_t maxImageSize = 0;
    int blockData = 0;
    bool hasValidImage = false;
    std::string model;
    // Ready: blocks expected; Ack: the next block expected (all before it
    // arrived); Error OutOfOrder: the block expected.
    uint32_t blocks = 0;
    uint32_t nextBlock = 0;
    // Verified: the CRC-32 of the image as written
    uint32_t crc = 0;
    ErrorCode error = ErrorCode::UnknownCommand;
};

// Host to bootloader.
Report identify();
// Empty report (all zero) when the model does not fit.
Report begin(uint32_t imageSize, uint32_t imageCrc, int target, const std::string& model);
Report block(uint32_t number, const uint8_t* data, size_t length);
Report verify();
Report restart();
bool decodeRequest(const uint8_t* report, size_t length, Request* out);

// Bootloader to host.
// protocolVersion and blockData are ours unless a test says otherwise.
Report identity(int target, uint32_t maxImageSize, bool hasValidImage, const std::string& model,
                int protocolVersion = kProtocolVersion, int blockData = int(kBlockData));
Report ready(uint32_t blocks);
Report ack(uint32_t nextBlock);
Report verified(uint32_t crc);
Report error(ErrorCode code, uint32_t expectedBlock = 0);
bool decodeReply(const uint8_t* report, size_t length, Reply* out);

// Blocks of an image of this size.
inline uint32_t blockCount(uint32_t imageSize)
{
    return static_cast<uint32_t>((uint64_t(imageSize) + kBlockData - 1) / kBlockData);
}

} // namespace boot
} // namespace firmware
} // namespace lumtar

#endif
