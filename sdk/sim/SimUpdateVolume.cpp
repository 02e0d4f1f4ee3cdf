#include "sdk/sim/SimUpdateVolume.h"

#include "sdk/firmware/UfwImage.h"
#include "sdk/firmware/UpdateVolume.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

namespace lumtar {
namespace sim {

namespace fs = std::filesystem;
namespace volume = firmware::volume;

SimUpdateVolume::SimUpdateVolume(std::string folder, SimKeyboardState& memory)
    : m_folder(std::move(folder)), m_memory(memory)
{
}

SimUpdateVolume::~SimUpdateVolume()
{
    withdraw();
}

bool SimUpdateVolume::present()
{
    std::error_code ec;
    fs::create_directories(m_folder, ec);
    if (ec)
        return false;
    fs::permissions(fs::path(m_folder).parent_path(), fs::perms::owner_all, fs::perm_options::replace, ec);
    std::remove((m_folder + "/" + volume::kVerdictFile).c_str());
    return volume::writeIdentity(m_folder, { m_memory.model, m_memory.firmwareVersion });
}

void SimUpdateVolume::withdraw()
{
    std::error_code ec;
    fs::remove_all(m_folder, ec);
}

int SimUpdateVolume::takeImage(SimFaults& faults)
{
    if (faults.silentAfterReports == 0)
        return -1;
    const std::string path = m_folder + "/" + volume::kImageFile;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return -1;
    std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    std::remove(path.c_str());
    if (faults.silentAfterReports > 0)
        --faults.silentAfterReports;
    if (faults.corruptBlock >= 0 && !file.empty())
        file[file.size() / 2] ^= 0x5A; // damaged on the way
    firmware::UfwImage image;
    if (!firmware::UfwImage::parse(file.data(), file.size(), &image))
        return volume::kVerdictMalformed;
    if (image.identity != m_memory.model)
        return volume::kVerdictWrongModel;
    if (faults.refuseImages != 0) {
        if (faults.refuseImages > 0)
            --faults.refuseImages;
        return volume::kVerdictRefused;
    }
    m_memory.firmwareVersion = image.versionText();
    m_memory.firmwareDate = image.date;
    m_memory.imageCrc = image.payloadCrc;
    m_memory.validImage = true;
    ++m_memory.imagesWritten;
    return volume::kVerdictOk;
}

} // namespace sim
} // namespace lumtar
