// Our .bin image: exactly its family's length, the info string at the
// family's offset, the build date 64 bytes after it, and the CRC-32 of all
// bytes before the last four in those four (little-endian). README.md has
// the layout.
#ifndef LUMTAR_BIN_IMAGE_H
#define LUMTAR_BIN_IMAGE_H

#include "sdk/firmware/FirmwareTable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lumtar {
namespace firmware {

struct BinImage {
    static constexpr size_t kDateFromInfo = 64;
    static constexpr size_t kDateSize = 24;
    static constexpr size_t kCrcSize = 4;

    const ImageFamily* family = nullptr;
    std::array<std::string, 6> fields; // of the info string
    std::string date;
    uint32_t crc = 0;                  // the closing CRC

    const std::string& model() const { return fields[4]; }
    const std::string& version() const { return fields[5]; }

    // Examines a whole image for writing: a .bin family of its length, the
    // closing CRC, a model in the info string. False with a reason
    // otherwise (a truncated or damaged image, a file of another kind).
    static bool examine(const uint8_t* data, size_t length, const FirmwareTable& table, BinImage* out,
                        std::string* error = nullptr);
    // An image of the family: code at its start, 0xFF up to the info
    // string, the texts, the closing CRC. Empty when the texts or the code
    // do not fit.
    static std::vector<uint8_t> build(const ImageFamily& family, const std::string& infoString,
                                      const std::string& date, const std::vector<uint8_t>& code);
};

} // namespace firmware
} // namespace lumtar

#endif
