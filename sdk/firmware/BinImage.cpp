#include "sdk/firmware/BinImage.h"

#include "sdk/firmware/Crc.h"
#include "sdk/firmware/LittleEndian.h"
#include "sdk/include/LumtarFirmware.h"

#include <cstring>

namespace lumtar {
namespace firmware {

namespace {

bool fail(std::string* error, const char* why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

bool BinImage::examine(const uint8_t* data, size_t length, const FirmwareTable& table, BinImage* out,
                       std::string* error)
{
    if (!data)
        return fail(error, "no image");
    BinImage image;
    image.family = table.binFamilyOfSize(length);
    if (!image.family)
        return fail(error, "no .bin family has images of this length (truncated or not an image)");
    image.crc = readLe32(data + length - kCrcSize);
    if (crc32(data, length - kCrcSize) != image.crc)
        return fail(error, "the image's CRC does not match (damaged)");
    const size_t info = static_cast<size_t>(image.family->infoOffset);
    image.fields = lumtarInfoStringFields(data + info, LUMTAR_INFO_STRING_SIZE);
    if (image.model().empty() || image.version().empty())
        return fail(error, "the info string names no model or version");
    const char* date = reinterpret_cast<const char*>(data + info + kDateFromInfo);
    image.date.assign(date, strnlen(date, kDateSize));
    if (out)
        *out = std::move(image);
    return true;
}

std::vector<uint8_t> BinImage::build(const ImageFamily& family, const std::string& infoString,
                                     const std::string& date, const std::vector<uint8_t>& code)
{
    const size_t size = static_cast<size_t>(family.imageSize);
    const size_t info = static_cast<size_t>(family.infoOffset);
    if (family.format != ImageFormat::Bin || infoString.size() > LUMTAR_INFO_STRING_SIZE
        || infoString.find('\0') != std::string::npos || date.size() >= kDateSize || code.size() > info
        || info + kDateFromInfo + kDateSize > size - kCrcSize)
        return {};
    std::vector<uint8_t> image(size, 0xFF);
    std::memcpy(image.data(), code.data(), code.size());
    std::memset(image.data() + info, 0, kDateFromInfo + kDateSize);
    std::memcpy(image.data() + info, infoString.data(), infoString.size());
    std::memcpy(image.data() + info + kDateFromInfo, date.data(), date.size());
    const uint32_t crc = crc32(image.data(), size - kCrcSize);
    for (size_t i = 0; i < kCrcSize; ++i)
        image[size - kCrcSize + i] = static_cast<uint8_t>(crc >> (8 * i));
    return image;
}

} // namespace firmware
} // namespace lumtar
