#include "sdk/firmware/BootloaderProtocol.h"

#include "sdk/firmware/LittleEndian.h"

#include <cstring>

namespace lumtar {
namespace firmware {
namespace boot {

namespace {

// Byte positions.
constexpr size_t kKindAt = 1;
constexpr size_t kModelAt = 12;

Report start(uint8_t kind)
{
    Report r{};
    r[0] = kMarker;
    r[kKindAt] = kind;
    return r;
}

bool zeroFrom(const uint8_t* r, size_t from, size_t to)
{
    for (size_t i = from; i < to; ++i)
        if (r[i] != 0)
            return false;
    return true;
}

bool putModel(Report& r, const std::string& model)
{
    if (model.empty() || model.size() >= kModelSize)
        return false;
    for (char c : model)
        if (static_cast<uint8_t>(c) < 0x21 || static_cast<uint8_t>(c) > 0x7E)
            return false;
    std::memcpy(r.data() + kModelAt, model.data(), model.size());
    return true;
}

// The model text: printable, zero-terminated inside its field, zeros after.
bool readModel(const uint8_t* r, std::string* out)
{
    const uint8_t* p = r + kModelAt;
    size_t n = 0;
    while (n < kModelSize && p[n] != 0) {
        if (p[n] < 0x21 || p[n] > 0x7E)
            return false;
        ++n;
    }
    if (n == 0 || n == kModelSize || !zeroFrom(p, n, kModelSize))
        return false;
    out->assign(reinterpret_cast<const char*>(p), n);
    return true;
}

} // namespace

Report identify()
{
    return start(static_cast<uint8_t>(Command::Identify));
}

Report begin(uint32_t imageSize, uint32_t imageCrc, int target, const std::string& model)
{
    Report r = start(static_cast<uint8_t>(Command::Begin));
    writeLe32(r.data() + 2, imageSize);
    writeLe32(r.data() + 6, imageCrc);
    r[10] = static_cast<uint8_t>(target == kTargetReceiver ? kTargetReceiver : kTargetKeyboard);
    if (!putModel(r, model))
        return Report{};
    return r;
}

Report block(uint32_t number, const uint8_t* data, size_t length)
{
    Report r = start(static_cast<uint8_t>(Command::Block));
    writeLe32(r.data() + 2, number);
    const size_t n = length < kBlockData ? length : kBlockData;
    r[6] = static_cast<uint8_t>(n);
    if (data && n)
        std::memcpy(r.data() + 8, data, n);
    return r;
}

Report verify()
{
    return start(static_cast<uint8_t>(Command::Verify));
}

Report restart()
{
    return start(static_cast<uint8_t>(Command::Restart));
}

bool decodeRequest(const uint8_t* r, size_t length, Request* out)
{
    if (!r || length != kReportSize || r[0] != kMarker)
        return false;
    Request q;
    switch (r[kKindAt]) {
    case static_cast<uint8_t>(Command::Identify):
    case static_cast<uint8_t>(Command::Verify):
    case static_cast<uint8_t>(Command::Restart):
        q.command = static_cast<Command>(r[kKindAt]);
        if (!zeroFrom(r, 2, kReportSize))
            return false;
        break;
    case static_cast<uint8_t>(Command::Begin):
        q.command = Command::Begin;
        q.imageSize = readLe32(r + 2);
        q.imageCrc = readLe32(r + 6);
        if (r[10] > kTargetReceiver || r[11] != 0 || !readModel(r, &q.model)
            || !zeroFrom(r, kModelAt + kModelSize, kReportSize))
            return false;
        q.target = r[10];
        break;
    case static_cast<uint8_t>(Command::Block):
        q.command = Command::Block;
        q.block = readLe32(r + 2);
        q.dataLength = r[6];
        if (q.dataLength == 0 || q.dataLength > kBlockData || r[7] != 0
            || !zeroFrom(r, 8 + q.dataLength, kReportSize))
            return false;
        std::memcpy(q.data.data(), r + 8, q.dataLength);
        break;
    default:
        return false;
    }
    if (out)
        *out = std::move(q);
    return true;
}

Report identity(int target, uint32_t maxImageSize, bool hasValidImage, const std::string& model, int protocolVersion,
                int blockData)
{
    Report r = start(static_cast<uint8_t>(ReplyKind::Identity));
    r[2] = static_cast<uint8_t>(protocolVersion);
    r[3] = static_cast<uint8_t>(target == kTargetReceiver ? kTargetReceiver : kTargetKeyboard);
    writeLe32(r.data() + 4, maxImageSize);
    r[8] = static_cast<uint8_t>(blockData);
    r[9] = hasValidImage ? 1 : 0;
    if (!putModel(r, model))
        return Report{};
    return r;
}

Report ready(uint32_t blocks)
{
    Report r = start(static_cast<uint8_t>(ReplyKind::Ready));
    writeLe32(r.data() + 2, blocks);
    return r;
}

Report ack(uint32_t nextBlock)
{
    Report r = start(static_cast<uint8_t>(ReplyKind::Ack));
    writeLe32(r.data() + 2, nextBlock);
    return r;
}

Report verified(uint32_t crc)
{
    Report r = start(static_cast<uint8_t>(ReplyKind::Verified));
    writeLe32(r.data() + 2, crc);
    return r;
}

Report error(ErrorCode code, uint32_t expectedBlock)
{
    Report r = start(static_cast<uint8_t>(ReplyKind::Error));
    r[2] = static_cast<uint8_t>(code);
    writeLe32(r.data() + 3, code == ErrorCode::OutOfOrder ? expectedBlock : 0);
    return r;
}

bool decodeReply(const uint8_t* r, size_t length, Reply* out)
{
    if (!r || length != kReportSize || r[0] != kMarker)
        return false;
    Reply p;
    switch (r[kKindAt]) {
    case static_cast<uint8_t>(ReplyKind::Identity):
        p.kind = ReplyKind::Identity;
        p.protocolVersion = r[2];
        p.target = r[3];
        p.maxImageSize = readLe32(r + 4);
        p.blockData = r[8];
        if (p.target > kTargetReceiver || r[9] > 1 || !zeroFrom(r, 10, kModelAt) || !readModel(r, &p.model)
            || !zeroFrom(r, kModelAt + kModelSize, kReportSize))
            return false;
        p.hasValidImage = r[9] == 1;
        break;
    case static_cast<uint8_t>(ReplyKind::Ready):
    case static_cast<uint8_t>(ReplyKind::Ack):
    case static_cast<uint8_t>(ReplyKind::Verified): {
        p.kind = static_cast<ReplyKind>(r[kKindAt]);
        const uint32_t v = readLe32(r + 2);
        if (!zeroFrom(r, 6, kReportSize))
            return false;
        if (p.kind == ReplyKind::Ready)
            p.blocks = v;
        else if (p.kind == ReplyKind::Ack)
            p.nextBlock = v;
        else
            p.crc = v;
        break;
    }
    case static_cast<uint8_t>(ReplyKind::Error):
        p.kind = ReplyKind::Error;
        if (r[2] < static_cast<uint8_t>(ErrorCode::UnknownCommand) || r[2] > static_cast<uint8_t>(ErrorCode::Refused)
            || !zeroFrom(r, 7, kReportSize))
            return false;
        p.error = static_cast<ErrorCode>(r[2]);
        p.nextBlock = readLe32(r + 3);
        if (p.error != ErrorCode::OutOfOrder && p.nextBlock != 0)
            return false;
        break;
    default:
        return false;
    }
    if (out)
        *out = std::move(p);
    return true;
}

} // namespace boot
} // namespace firmware
} // namespace lumtar
