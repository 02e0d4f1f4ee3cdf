// 32-bit numbers in the little-endian order of our image and report formats.
#ifndef LUMTAR_LITTLE_ENDIAN_H
#define LUMTAR_LITTLE_ENDIAN_H

#include <cstdint>

namespace lumtar {
namespace firmware {

inline uint32_t readLe32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

inline void writeLe32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}

} // namespace firmware
} // namespace lumtar

#endif
