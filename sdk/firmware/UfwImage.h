// Our .ufw image: a 64-byte header (identity, 4-byte version, build date,
// payload length and CRCs) and the payload. Parsed strictly: any byte out
// of its place refuses the whole image. The layout is in README.md.
#ifndef LUMTAR_UFW_IMAGE_H
#define LUMTAR_UFW_IMAGE_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lumtar {
namespace firmware {

struct UfwImage {
    static constexpr size_t kHeaderSize = 64;
    static constexpr size_t kIdentitySize = 16; // at most 15 characters and a zero
    static constexpr size_t kDateSize = 24;
    static constexpr size_t kMaxPayload = 16 * 1024 * 1024;

    std::string identity;              // the model name
    std::array<char, 4> version{};     // not terminated
    std::string date;                  // "Dec 01 2024,11:20:03", may be empty
    uint16_t headerCrc = 0;            // CRC-16 of header bytes 0..59
    uint32_t payloadCrc = 0;           // CRC-32 of the payload
    std::vector<uint8_t> payload;

    std::string versionText() const { return std::string(version.begin(), version.end()); }

    // Parses a whole file; false with a reason for anything but a
    // well-formed image.
    static bool parse(const uint8_t* data, size_t length, UfwImage* out, std::string* error = nullptr);
    // The file of an image (the CRCs are computed here). Empty when the
    // identity, version or date cannot be written.
    static std::vector<uint8_t> build(const std::string& identity, const std::string& version,
                                      const std::string& date, const std::vector<uint8_t>& payload);
};

} // namespace firmware
} // namespace lumtar

#endif
