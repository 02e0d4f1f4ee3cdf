// The firmware table: which image family each model belongs to, the images
// the program carries for it and the ids its bootloader presents. Read from
// sdk/data/lumtar-firmware.json, built into the library.
#ifndef LUMTAR_FIRMWARE_TABLE_H
#define LUMTAR_FIRMWARE_TABLE_H

#include <string>
#include <vector>

namespace lumtar {
namespace firmware {

enum class ImageFormat { Ufw, Bin };

struct ImageFamily {
    std::string name;         // "bin512"
    ImageFormat format = ImageFormat::Bin;
    int imageSize = 0;        // .bin: the exact length of an image
    int infoOffset = 0;       // .bin: where the info string lies
    std::string fileName;     // "%1.bin": %1 is the model name
    std::string receiverFileName;

    // The image's file name for a keyboard of this model on this connection
    // (0 USB cable, anything else the 2.4 GHz receiver). The one rule for
    // the check and for the write.
    std::string imageFileName(const std::string& model, int connectType) const;
};

struct ImageEntry {
    int connectType = 0;
    std::string version;      // "V1.00.07"
    std::string date;         // "Nov 18 2024,09:30:12"
};

struct BootloaderIds {
    int connectType = 0;
    int vendorId = 0;
    int productId = 0;
};

struct FirmwareModel {
    std::string model;
    const ImageFamily* family = nullptr;
    std::vector<ImageEntry> images;
    std::vector<BootloaderIds> bootloaders;

    const ImageEntry* imageFor(int connectType) const;
    const BootloaderIds* bootloaderFor(int connectType) const;
};

class FirmwareTable {
public:
    // The table built into the library (parsed once).
    static const FirmwareTable& builtin();
    static std::string builtinJson();

    FirmwareTable() = default;
    FirmwareTable(const FirmwareTable&) = delete;
    FirmwareTable& operator=(const FirmwareTable&) = delete;

    // On failure returns false with a reason and leaves the table empty.
    bool parse(const std::string& json, std::string* error = nullptr);

    const std::vector<ImageFamily>& families() const { return m_families; }
    const std::vector<FirmwareModel>& models() const { return m_models; }
    // Exact (case-sensitive) model name; null for a model without a family.
    const FirmwareModel* findModel(const std::string& model) const;
    // The .bin family whose images have this length; null when none.
    const ImageFamily* binFamilyOfSize(size_t size) const;
    // True when the pair is the id of some model's bootloader.
    bool isBootloader(int vendorId, int productId) const;

private:
    std::vector<ImageFamily> m_families;
    std::vector<FirmwareModel> m_models;
};

} // namespace firmware
} // namespace lumtar

#endif
