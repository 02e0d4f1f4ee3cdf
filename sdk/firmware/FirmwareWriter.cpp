#include "sdk/firmware/FirmwareWriter.h"

#include "sdk/firmware/Crc.h"
#include "sdk/include/LumtarFirmware.h"

#include <algorithm>
#include <chrono>

namespace lumtar {
namespace firmware {

namespace {

std::string described(const std::string& model, int target)
{
    return target == boot::kTargetReceiver ? "the receiver of " + model : "the keyboard " + model;
}

int refusal(const boot::Reply& reply)
{
    switch (reply.error) {
    case boot::ErrorCode::WrongModel:
    case boot::ErrorCode::WrongTarget:
        return LUMTAR_FW_OTHER_DEVICE;
    case boot::ErrorCode::CrcMismatch:
    case boot::ErrorCode::Incomplete:
        return LUMTAR_FW_VERIFY_FAILED;
    case boot::ErrorCode::OutOfOrder:
    case boot::ErrorCode::NotBegun:
    case boot::ErrorCode::UnknownCommand:
        return LUMTAR_FW_PROTOCOL;
    default:
        return LUMTAR_FW_REFUSED;
    }
}

} // namespace

FirmwareWriter::FirmwareWriter(BootloaderChannel& channel, const FirmwareTable& table)
    : m_channel(channel), m_table(table)
{
}

int FirmwareWriter::fail(int code, const std::string& why)
{
    m_why = why;
    return code;
}

void FirmwareWriter::progress(int done)
{
    if (m_progress)
        m_progress(m_total, done);
}

int FirmwareWriter::await(boot::ReplyKind want, int timeoutMs, boot::Reply* reply)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        boot::Report r{};
        const int got = m_channel.receive(&r, static_cast<int>(std::max<long long>(0, left)));
        if (got < 0)
            return fail(LUMTAR_FW_DEVICE_GONE, "the bootloader went away");
        if (got == 0)
            return fail(LUMTAR_FW_NO_ANSWER, "the bootloader did not answer in time");
        if (!boot::decodeReply(r.data(), r.size(), reply))
            continue; // not a report of the protocol
        if (reply->kind == want)
            return LUMTAR_FW_OK;
        if (reply->kind == boot::ReplyKind::Error)
            return fail(refusal(*reply), "the bootloader answered with error " + std::to_string(int(reply->error)));
    }
}

int FirmwareWriter::write(const std::vector<uint8_t>& image, int bankSize, int receiverFlag)
{
    m_why.clear();
    if (bankSize <= 0 || (receiverFlag != 0 && receiverFlag != 1))
        return fail(LUMTAR_FW_BAD_ARGUMENT, "bad bank size or receiver flag");
    BinImage bin;
    std::string why;
    if (!BinImage::examine(image.data(), image.size(), m_table, &bin, &why))
        return fail(LUMTAR_FW_IMAGE_INVALID, why);
    if (image.size() % static_cast<size_t>(bankSize) != 0)
        return fail(LUMTAR_FW_IMAGE_INVALID, "the image is not made of whole banks");
    m_total = static_cast<int>(image.size());

    // Who is there, before a byte of the image goes out.
    boot::Reply reply;
    if (!m_channel.send(boot::identify()))
        return fail(LUMTAR_FW_DEVICE_GONE, "the bootloader went away");
    if (int r = await(boot::ReplyKind::Identity, m_timeouts.identifyMs, &reply))
        return r;
    if (reply.protocolVersion != boot::kProtocolVersion || reply.blockData != int(boot::kBlockData))
        return fail(LUMTAR_FW_PROTOCOL, "the bootloader speaks another protocol version");
    if (reply.model != bin.model() || reply.target != receiverFlag)
        return fail(LUMTAR_FW_OTHER_DEVICE, "the bootloader is " + described(reply.model, reply.target)
                                                + ", the image is for " + described(bin.model(), receiverFlag));
    if (reply.maxImageSize < image.size())
        return fail(LUMTAR_FW_REFUSED, "the image is larger than the bootloader's flash");

    const uint32_t crc = crc32(image.data(), image.size());
    if (!m_channel.send(boot::begin(static_cast<uint32_t>(image.size()), crc, receiverFlag, bin.model())))
        return fail(LUMTAR_FW_DEVICE_GONE, "the bootloader went away");
    if (int r = await(boot::ReplyKind::Ready, m_timeouts.beginMs, &reply))
        return r;
    if (reply.blocks != boot::blockCount(static_cast<uint32_t>(image.size())))
        return fail(LUMTAR_FW_PROTOCOL, "the bootloader expects another block count");
    progress(0);

    if (int r = sendBlocks(image))
        return r;

    if (!m_channel.send(boot::verify()))
        return fail(LUMTAR_FW_DEVICE_GONE, "the bootloader went away");
    if (int r = await(boot::ReplyKind::Verified, m_timeouts.verifyMs, &reply))
        return r;
    if (reply.crc != crc)
        return fail(LUMTAR_FW_VERIFY_FAILED, "the bootloader read back another image");
    progress(m_total);
    // Verified: the restart is the bootloader's to do; its leaving is no failure.
    m_channel.send(boot::restart());
    return LUMTAR_FW_OK;
}

int FirmwareWriter::sendBlocks(const std::vector<uint8_t>& image)
{
    const uint32_t blocks = boot::blockCount(static_cast<uint32_t>(image.size()));
    uint32_t next = 0;
    uint32_t acked = 0;
    while (acked < blocks) {
        while (next < blocks && next - acked < boot::kWindow) {
            const size_t at = size_t(next) * boot::kBlockData;
            const size_t n = std::min(boot::kBlockData, image.size() - at);
            if (!m_channel.send(boot::block(next, image.data() + at, n)))
                return fail(LUMTAR_FW_DEVICE_GONE, "the bootloader went away");
            ++next;
        }
        boot::Reply reply;
        if (int r = await(boot::ReplyKind::Ack, m_timeouts.ackMs, &reply))
            return r;
        if (reply.nextBlock > next)
            return fail(LUMTAR_FW_PROTOCOL, "an acknowledgement of blocks never sent");
        if (reply.nextBlock > acked) {
            acked = reply.nextBlock;
            progress(static_cast<int>(std::min(size_t(acked) * boot::kBlockData, image.size())));
        }
    }
    return LUMTAR_FW_OK;
}

} // namespace firmware
} // namespace lumtar
