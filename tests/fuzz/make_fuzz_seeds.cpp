// Writes the seed inputs of the firmware fuzz targets at build time, from
// the encoders themselves, so that no binary seed lies in the repository
// and the seeds follow the formats.
//
//   make_fuzz_seeds <folder of the ufwimage seeds> <folder of the bootloaderreply seeds>
#include "FuzzFirmware.h"
#include "sdk/firmware/BootloaderProtocol.h"
#include "sdk/firmware/Crc.h"
#include "sdk/firmware/UfwImage.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fw = lumtar::firmware;
namespace boot = lumtar::firmware::boot;

namespace {

void put(const std::filesystem::path& folder, const std::string& name, const std::vector<uint8_t>& bytes)
{
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void append(std::vector<uint8_t>& out, const boot::Report& r)
{
    out.insert(out.end(), r.begin(), r.end());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 1;
    const std::filesystem::path images = argv[1];
    const std::filesystem::path replies = argv[2];
    put(images, "small.ufw", fw::UfwImage::build("LT68HE", "V104", "Dec 01 2024,11:20:03", std::vector<uint8_t>(48, 7)));
    put(images, "image.bin", fuzzBinImage());

    const std::vector<uint8_t>& image = fuzzBinImage();
    const uint32_t blocks = boot::blockCount(static_cast<uint32_t>(image.size()));
    std::vector<uint8_t> conversation;
    append(conversation, boot::identity(0, 4096, false, "M"));
    append(conversation, boot::ready(blocks));
    append(conversation, boot::ack(16));
    append(conversation, boot::ack(blocks));
    append(conversation, boot::verified(fw::crc32(image.data(), image.size())));
    put(replies, "conversation", conversation);
    std::vector<uint8_t> refused;
    append(refused, boot::identity(0, 4096, false, "M"));
    append(refused, boot::error(boot::ErrorCode::Refused));
    put(replies, "refused", refused);
    const boot::Report outOfOrder = boot::error(boot::ErrorCode::OutOfOrder, 3);
    put(replies, "out-of-order", std::vector<uint8_t>(outOfOrder.begin(), outOfOrder.end()));
    const uint8_t data[5] = { 1, 2, 3, 4, 5 };
    const boot::Report block = boot::block(7, data, 5);
    put(replies, "block-request", std::vector<uint8_t>(block.begin(), block.end()));
    const boot::Report begin = boot::begin(1024, 0x1234, 1, "LT108HE");
    put(replies, "begin-request", std::vector<uint8_t>(begin.begin(), begin.end()));
    return 0;
}
