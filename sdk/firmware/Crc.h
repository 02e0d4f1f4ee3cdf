// Checksums of firmware images and transfers.
#ifndef LUMTAR_FIRMWARE_CRC_H
#define LUMTAR_FIRMWARE_CRC_H

#include <cstddef>
#include <cstdint>

namespace lumtar {
namespace firmware {

// CRC-32 (IEEE 802.3, reflected, as zlib): crc32("123456789") = 0xCBF43926.
// Pass the previous result as crc to continue over more bytes.
uint32_t crc32(const uint8_t* data, size_t length, uint32_t crc = 0);
// CRC-16/CCITT-FALSE (poly 0x1021, start 0xFFFF): "123456789" gives 0x29B1.
uint16_t crc16(const uint8_t* data, size_t length);

} // namespace firmware
} // namespace lumtar

#endif
