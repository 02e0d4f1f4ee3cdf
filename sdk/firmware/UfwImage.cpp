#include "sdk/firmware/UfwImage.h"

#include "sdk/firmware/Crc.h"
#include "sdk/firmware/LittleEndian.h"

#include <cstring>

namespace lumtar {
namespace firmware {

namespace {

constexpr char kMagic[4] = { 'L', 'U', 'F', 'W' };
constexpr uint8_t kFormatVersion = 1;
constexpr size_t kIdentityAt = 8;
constexpr size_t kVersionAt = 24;
constexpr size_t kDateAt = 28;
constexpr size_t kLengthAt = 52;
constexpr size_t kPayloadCrcAt = 56;
constexpr size_t kHeaderCrcAt = 60;
constexpr size_t kHeaderCrcSpan = 60;

bool fail(std::string* error, const char* why)
{
    if (error)
        *error = why;
    return false;
}

bool allZero(const uint8_t* p, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        if (p[i] != 0)
            return false;
    return true;
}

// A zero-padded text field: printable bytes (lowest allowed: lowest), then
// zeros only, at least one zero. Empty allowed only when mayBeEmpty.
bool textField(const uint8_t* p, size_t size, uint8_t lowest, bool mayBeEmpty, std::string* out)
{
    size_t n = 0;
    while (n < size && p[n] != 0) {
        if (p[n] < lowest || p[n] > 0x7E)
            return false;
        ++n;
    }
    if (n == size || (n == 0 && !mayBeEmpty) || !allZero(p + n, size - n))
        return false;
    out->assign(reinterpret_cast<const char*>(p), n);
    return true;
}

bool printable(const std::string& s, uint8_t lowest)
{
    for (char c : s)
        if (static_cast<uint8_t>(c) < lowest || static_cast<uint8_t>(c) > 0x7E)
            return false;
    return true;
}

} // namespace

bool UfwImage::parse(const uint8_t* data, size_t length, UfwImage* out, std::string* error)
{
    if (!data || length < kHeaderSize)
        return fail(error, "shorter than the header");
    if (std::memcmp(data, kMagic, sizeof kMagic) != 0)
        return fail(error, "not a .ufw image");
    if (data[4] != kFormatVersion || !allZero(data + 5, 3) || !allZero(data + 62, 2))
        return fail(error, "unknown format version or reserved bytes set");
    UfwImage image;
    if (!textField(data + kIdentityAt, kIdentitySize, 0x21, false, &image.identity))
        return fail(error, "malformed identity");
    for (size_t i = 0; i < 4; ++i) {
        const uint8_t c = data[kVersionAt + i];
        if (c < 0x21 || c > 0x7E)
            return fail(error, "malformed version");
        image.version[i] = static_cast<char>(c);
    }
    if (!textField(data + kDateAt, kDateSize, 0x20, true, &image.date))
        return fail(error, "malformed date");
    const uint32_t payloadLength = readLe32(data + kLengthAt);
    if (payloadLength == 0 || payloadLength > kMaxPayload)
        return fail(error, "payload length out of range");
    if (length != kHeaderSize + payloadLength)
        return fail(error, length < kHeaderSize + payloadLength ? "truncated" : "bytes after the payload");
    image.headerCrc = static_cast<uint16_t>(data[kHeaderCrcAt] | data[kHeaderCrcAt + 1] << 8);
    if (crc16(data, kHeaderCrcSpan) != image.headerCrc)
        return fail(error, "header CRC mismatch");
    image.payloadCrc = readLe32(data + kPayloadCrcAt);
    if (crc32(data + kHeaderSize, payloadLength) != image.payloadCrc)
        return fail(error, "payload CRC mismatch");
    if (out) {
        image.payload.assign(data + kHeaderSize, data + length);
        *out = std::move(image);
    }
    return true;
}

std::vector<uint8_t> UfwImage::build(const std::string& identity, const std::string& version,
                                     const std::string& date, const std::vector<uint8_t>& payload)
{
    if (identity.empty() || identity.size() >= kIdentitySize || !printable(identity, 0x21) || version.size() != 4
        || !printable(version, 0x21) || date.size() >= kDateSize || !printable(date, 0x20) || payload.empty()
        || payload.size() > kMaxPayload)
        return {};
    std::vector<uint8_t> file(kHeaderSize + payload.size(), 0);
    uint8_t* h = file.data();
    std::memcpy(h, kMagic, sizeof kMagic);
    h[4] = kFormatVersion;
    std::memcpy(h + kIdentityAt, identity.data(), identity.size());
    std::memcpy(h + kVersionAt, version.data(), 4);
    std::memcpy(h + kDateAt, date.data(), date.size());
    writeLe32(h + kLengthAt, static_cast<uint32_t>(payload.size()));
    writeLe32(h + kPayloadCrcAt, crc32(payload.data(), payload.size()));
    const uint16_t hc = crc16(h, kHeaderCrcSpan);
    h[kHeaderCrcAt] = static_cast<uint8_t>(hc);
    h[kHeaderCrcAt + 1] = static_cast<uint8_t>(hc >> 8);
    std::memcpy(h + kHeaderSize, payload.data(), payload.size());
    return file;
}

} // namespace firmware
} // namespace lumtar
