#include "sdk/sim/SimBootloader.h"

#include "sdk/firmware/BinImage.h"
#include "sdk/firmware/BootloaderProtocol.h"
#include "sdk/firmware/Crc.h"

namespace lumtar {
namespace sim {

namespace boot = firmware::boot;

int SimBootloader::prepareMs(size_t imageSize)
{
    return static_cast<int>((imageSize + 65535) / 65536) * kPrepareMsPer64K;
}

int SimBootloader::verifyMs(size_t imageSize)
{
    return static_cast<int>((imageSize + 65535) / 65536) * kVerifyMsPer64K;
}

SimBootloader::SimBootloader(const std::string& model, int target, size_t maxImageSize, SimKeyboardState& memory)
    : m_model(model), m_target(target), m_maxImageSize(maxImageSize), m_memory(memory)
{
}

SimBootloaderOutcome SimBootloader::handle(const uint8_t* report, size_t length, SimFaults& faults)
{
    SimBootloaderOutcome out;
    if (faults.silentAfterReports == 0)
        return out;
    if (faults.silentAfterReports > 0)
        --faults.silentAfterReports;
    const int delay = faults.replyDelayMs > 0 ? faults.replyDelayMs : 0;
    auto answer = [&](const boot::Report& r, int extraMs = 0) { out.replies.push_back({ r, delay + extraMs, -1 }); };

    boot::Request q;
    if (!boot::decodeRequest(report, length, &q)) {
        answer(boot::error(boot::ErrorCode::UnknownCommand));
        return out;
    }
    switch (q.command) {
    case boot::Command::Identify:
        answer(boot::identity(m_target, static_cast<uint32_t>(m_maxImageSize), m_memory.validImage, m_model));
        break;
    case boot::Command::Begin:
        // A new begin ends any write under way; nothing was written yet.
        m_begun = false;
        m_staging.clear();
        if (q.model != m_model) {
            answer(boot::error(boot::ErrorCode::WrongModel));
        } else if (q.target != m_target) {
            answer(boot::error(boot::ErrorCode::WrongTarget));
        } else if (q.imageSize == 0 || q.imageSize > m_maxImageSize) {
            answer(boot::error(boot::ErrorCode::BadSize));
        } else if (faults.refuseImages != 0) {
            if (faults.refuseImages > 0)
                --faults.refuseImages;
            answer(boot::error(boot::ErrorCode::Refused));
        } else {
            m_begun = true;
            m_size = q.imageSize;
            m_crc = q.imageCrc;
            m_nextBlock = 0;
            m_staging.reserve(m_size);
            answer(boot::ready(boot::blockCount(m_size)), prepareMs(m_size));
        }
        break;
    case boot::Command::Block: {
        if (!m_begun) {
            answer(boot::error(boot::ErrorCode::NotBegun));
            break;
        }
        const uint32_t blocks = boot::blockCount(m_size);
        if (q.block != m_nextBlock) {
            answer(boot::error(boot::ErrorCode::OutOfOrder, m_nextBlock));
            break;
        }
        const size_t expected = q.block + 1 < blocks ? boot::kBlockData : m_size - size_t(q.block) * boot::kBlockData;
        if (q.dataLength != expected) {
            answer(boot::error(boot::ErrorCode::BadSize));
            break;
        }
        if (faults.corruptBlock >= 0 && static_cast<uint32_t>(faults.corruptBlock) == q.block)
            q.data[0] ^= 0x5A; // damaged on the way
        m_staging.insert(m_staging.end(), q.data.begin(), q.data.begin() + static_cast<long>(q.dataLength));
        ++m_nextBlock;
        if (m_nextBlock % boot::kAckEvery == 0 || m_nextBlock == blocks)
            answer(boot::ack(m_nextBlock));
        if (faults.vanishAfterImageBytes >= 0 && m_staging.size() >= static_cast<size_t>(faults.vanishAfterImageBytes)) {
            faults.vanishAfterImageBytes = -1;
            out.vanish = true;
        }
        break;
    }
    case boot::Command::Verify:
        if (!m_begun)
            answer(boot::error(boot::ErrorCode::NotBegun));
        else if (m_staging.size() != m_size)
            answer(boot::error(boot::ErrorCode::Incomplete));
        else
            writeImage(out, delay);
        break;
    case boot::Command::Restart:
        if (m_memory.validImage)
            out.restart = true;
        else
            answer(boot::error(boot::ErrorCode::Refused));
        break;
    }
    return out;
}

void SimBootloader::writeImage(SimBootloaderOutcome& out, int delayMs)
{
    // Checked before the flash is touched: the image as it arrived, and the
    // image's own closing CRC and info string.
    m_begun = false;
    firmware::BinImage image;
    const uint32_t crc = firmware::crc32(m_staging.data(), m_staging.size());
    if (crc != m_crc
        || !firmware::BinImage::examine(m_staging.data(), m_staging.size(), firmware::FirmwareTable::builtin(), &image)
        || image.model() != m_model) {
        m_staging.clear();
        out.replies.push_back({ boot::error(boot::ErrorCode::CrcMismatch), delayMs, -1 });
        return;
    }
    m_memory.firmwareVersion = image.version();
    m_memory.firmwareDate = image.date;
    m_memory.imageCrc = crc;
    m_memory.validImage = true;
    ++m_memory.imagesWritten;
    out.replies.push_back({ boot::verified(crc), delayMs + verifyMs(m_staging.size()), -1 });
    m_staging.clear();
}

} // namespace sim
} // namespace lumtar
