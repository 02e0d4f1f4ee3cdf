// The C surface of firmware writing: thin shims over the firmware table,
// the HID manager and FirmwareWriter.
#include "sdk/include/LumtarFirmware.h"

#include "sdk/firmware/FirmwareTable.h"
#include "sdk/firmware/FirmwareWriter.h"
#include "sdk/hid/DevicePathText.h"
#include "sdk/hid/HidManager.h"
#include "sdk/hid/SupportRecord.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

using lumtar::HidManager;
namespace fw = lumtar::firmware;

namespace {

// The reports of one opened bootloader handle.
class HandleChannel : public fw::BootloaderChannel {
public:
    explicit HandleChannel(int handle) : m_handle(handle) {}

    bool send(const fw::boot::Report& report) override
    {
        return HidManager::instance().write(m_handle, report.data()) == int(report.size());
    }

    int receive(fw::boot::Report* out, int timeoutMs) override
    {
        const int n = HidManager::instance().readWithin(m_handle, out->data(), timeoutMs);
        return n < 0 ? -1 : (n == 0 ? 0 : 1);
    }

private:
    int m_handle;
};

constexpr size_t kLargestImage = 16 * 1024 * 1024;

bool readImage(const char* path, std::vector<uint8_t>* out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size <= 0 || static_cast<unsigned long long>(size) > kLargestImage)
        return false;
    in.seekg(0);
    out->resize(static_cast<size_t>(size));
    in.read(reinterpret_cast<char*>(out->data()), size);
    return in.gcount() == size;
}

} // namespace

extern "C" {

bool CLumtarHid_GetFirmwareFamily(const char* model, FirmwareFamilyStu* family)
{
    if (family)
        std::memset(family, 0, sizeof *family);
    if (!model || !family)
        return false;
    const fw::FirmwareModel* m = fw::FirmwareTable::builtin().findModel(model);
    if (!m)
        return false;
    lumtarCopyField(family->hidModel, m->model.c_str());
    family->format = m->family->format == fw::ImageFormat::Ufw ? LUMTAR_IMAGE_UFW : LUMTAR_IMAGE_BIN;
    family->imageSize = m->family->imageSize;
    family->infoOffset = m->family->infoOffset;
    family->hasBootloader = m->bootloaders.empty() ? 0 : 1;
    lumtarCopyField(family->fileName, m->family->imageFileName(m->model, 0).c_str());
    lumtarCopyField(family->receiverFileName, m->family->imageFileName(m->model, 1).c_str());
    return true;
}

int CLumtarHid_GetBootloaderIdList(std::list<SupportInfoStu>* ids)
{
    if (!ids)
        return -1;
    int n = 0;
    for (const fw::FirmwareModel& m : fw::FirmwareTable::builtin().models()) {
        for (const fw::BootloaderIds& b : m.bootloaders) {
            ids->push_back(lumtar::supportRecord(m.model, b.vendorId, b.productId, b.connectType));
            ++n;
        }
    }
    return n;
}

int CLumtarHid_GetBootloaderList(std::list<std::string>* paths)
{
    if (!paths || !HidManager::instance().isReady())
        return -1;
    int n = 0;
    for (const lumtar::HidEndpoint& e : HidManager::instance().endpoints()) {
        if (!fw::FirmwareTable::builtin().isBootloader(e.vendorId, e.productId))
            continue;
        lumtar::DevicePathText p;
        p.vendorId = e.vendorId;
        p.productId = e.productId;
        p.interfaceNumber = e.interfaceNumber;
        p.osPath = e.osPath;
        paths->push_back(p.format());
        ++n;
    }
    return n;
}

int CLumtarHid_FirmwareUpgrade(int handle, const char* imagePath, int bankSize, int reserved, int receiverFlag,
                               LumtarUpgradeProgress progress)
{
    if (handle <= 0 || !imagePath || reserved != 0)
        return LUMTAR_FW_BAD_ARGUMENT;
    std::vector<uint8_t> image;
    if (!readImage(imagePath, &image))
        return LUMTAR_FW_IMAGE_UNREADABLE;
    HandleChannel channel(handle);
    fw::FirmwareWriter writer(channel, fw::FirmwareTable::builtin());
    if (progress)
        writer.setProgress([progress](int total, int done) { progress(total, done); });
    const int result = writer.write(image, bankSize, receiverFlag);
    if (result != LUMTAR_FW_OK)
        std::fprintf(stderr, "lumtarSdk: firmware write ended with %d: %s\n", result, writer.why().c_str());
    return result;
}
}
