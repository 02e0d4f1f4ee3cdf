#include "sdk/sim/SimUpdateVolume.h"

#include "sdk/firmware/UfwImage.h"
#include "sdk/firmware/UpdateVolume.h"
#include "sdk/firmware/VolumeDirectory.h"

#include <filesystem>
#include <string>
#include <system_error>

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
    // The keyboard takes only a regular file of the volume itself, as the
    // host writes it: a link or a FIFO in its place is not read.
    firmware::VolumeDirectory folder(m_folder);
    std::string file;
    if (!folder.isOpen()
        || folder.readSmall(volume::kImageFile, firmware::UfwImage::kHeaderSize + firmware::UfwImage::kMaxPayload, &file)
               != firmware::VolumeDirectory::Read::Ok)
        return -1;
    folder.removeRegular(volume::kImageFile);
    if (faults.silentAfterReports > 0)
        --faults.silentAfterReports;
    if (faults.corruptBlock >= 0 && !file.empty())
        file[file.size() / 2] = static_cast<char>(file[file.size() / 2] ^ 0x5A); // damaged on the way
    firmware::UfwImage image;
    if (!firmware::UfwImage::parse(reinterpret_cast<const uint8_t*>(file.data()), file.size(), &image))
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
