// fwimages: makes the firmware images the program carries, from the device
// table (each model's firmware identity) and the firmware table (families,
// versions, dates), and the resource list that embeds them below
// ":/images/UpdateFirmwareFile/". Run at build time; the images are never
// kept in the repository.
//
//   fwimages <lumtar-devices.json> <lumtar-firmware.json> <output folder>
//
// Writes every image and "firmware.qrc" into the output folder. The code
// part of an image is made from a fixed seed (the file name), so every
// build makes the same bytes.
#include "sdk/firmware/BinImage.h"
#include "sdk/firmware/FirmwareTable.h"
#include "sdk/firmware/UfwImage.h"
#include "sdk/hid/DeviceTable.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fw = lumtar::firmware;

namespace {

constexpr size_t kBinCodeSize = 16 * 1024;
constexpr size_t kUfwPayloadSize = 64 * 1024;

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Bytes that look like code: a fixed pseudo-random stream of the name.
std::vector<uint8_t> codeBytes(const std::string& name, size_t size)
{
    uint64_t x = 1469598103934665603ull;
    for (char c : name)
        x = (x ^ static_cast<uint8_t>(c)) * 1099511628211ull;
    std::vector<uint8_t> out(size);
    for (uint8_t& b : out) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        b = static_cast<uint8_t>(x);
    }
    return out;
}

bool writeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

int fail(const std::string& why)
{
    std::fprintf(stderr, "fwimages: %s\n", why.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
        return fail("usage: fwimages <lumtar-devices.json> <lumtar-firmware.json> <output folder>");
    lumtar::DeviceTable devices;
    fw::FirmwareTable firmware;
    std::string error;
    if (!devices.parse(readFile(argv[1]), &error))
        return fail(std::string(argv[1]) + ": " + error);
    if (!firmware.parse(readFile(argv[2]), &error))
        return fail(std::string(argv[2]) + ": " + error);

    const std::filesystem::path out = argv[3];
    std::error_code ec;
    std::filesystem::remove_all(out, ec);
    std::filesystem::create_directories(out, ec);
    if (ec)
        return fail("cannot make " + out.string());

    std::string qrc = "<RCC>\n  <qresource prefix=\"/images/UpdateFirmwareFile\">\n";
    for (const fw::FirmwareModel& m : firmware.models()) {
        const lumtar::DeviceModel* device = devices.findModel(m.model);
        if (!device)
            return fail("model " + m.model + " of the firmware table is not in the device table");
        for (const fw::ImageEntry& image : m.images) {
            const std::string name = m.family->imageFileName(m.model, image.connectType);
            std::vector<uint8_t> bytes;
            if (m.family->format == fw::ImageFormat::Bin) {
                const std::string info = device->chipFamily + "," + device->chipCode + "," + device->deviceClass + ","
                    + device->customerCode + "," + m.model + "," + image.version;
                bytes = fw::BinImage::build(*m.family, info, image.date, codeBytes(name, kBinCodeSize));
            } else {
                bytes = fw::UfwImage::build(m.model, image.version, image.date, codeBytes(name, kUfwPayloadSize));
            }
            if (bytes.empty())
                return fail("the texts of " + name + " do not fit its family");
            if (!writeFile(out / name, bytes))
                return fail("cannot write " + (out / name).string());
            qrc += "    <file>" + name + "</file>\n";
        }
    }
    qrc += "  </qresource>\n</RCC>\n";
    if (!writeFile(out / "firmware.qrc", std::vector<uint8_t>(qrc.begin(), qrc.end())))
        return fail("cannot write the resource list");
    return 0;
}
