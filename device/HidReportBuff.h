// One 64-byte HID report, the same shape in both directions:
// [0] report id, [1] command or reply id, [2] sub-command/index/layer,
// [3] second index, [4] packet number, [5] length code, [6..63] payload.
// A report starts as 64 zero bytes; numbers wider than a byte are big-endian.
#ifndef HIDREPORTBUFF_H
#define HIDREPORTBUFF_H

#include <cstddef>
#include <cstdint>
#include <cstring>

class HidReportBuff
{
public:
    static constexpr int Size = 64;
    static constexpr int PayloadStart = 6;

    HidReportBuff() { std::memset(m_bytes, 0, sizeof(m_bytes)); }

    // A command report: report id 0x01 (0x00 for the few reports that need it).
    HidReportBuff(uint8_t command, uint8_t sub, uint8_t lengthCode, uint8_t reportId = 0x01)
        : HidReportBuff()
    {
        m_bytes[0] = reportId;
        m_bytes[1] = command;
        m_bytes[2] = sub;
        m_bytes[5] = lengthCode;
    }

    // Copies a received report; bytes past `count` stay zero.
    static HidReportBuff fromBytes(const unsigned char *data, int count)
    {
        HidReportBuff r;
        if (data && count > 0)
            std::memcpy(r.m_bytes, data, static_cast<size_t>(count < Size ? count : Size));
        return r;
    }

    uint8_t &operator[](int i) { return m_bytes[i]; }
    uint8_t operator[](int i) const { return m_bytes[i]; }

    // Writes a 16-bit value big-endian at `pos` and `pos + 1`.
    void setWord(int pos, uint16_t value)
    {
        m_bytes[pos] = static_cast<uint8_t>(value >> 8);
        m_bytes[pos + 1] = static_cast<uint8_t>(value & 0xFF);
    }
    uint16_t word(int pos) const
    {
        return static_cast<uint16_t>((m_bytes[pos] << 8) | m_bytes[pos + 1]);
    }

    const unsigned char *data() const { return m_bytes; }
    unsigned char *data() { return m_bytes; }
    // The form MainHidInterFace::writeHidCmd takes.
    const char *constData() const { return reinterpret_cast<const char *>(m_bytes); }

    bool operator==(const HidReportBuff &o) const { return std::memcmp(m_bytes, o.m_bytes, Size) == 0; }
    bool operator!=(const HidReportBuff &o) const { return !(*this == o); }

private:
    uint8_t m_bytes[Size];
};

static_assert(sizeof(HidReportBuff) == HidReportBuff::Size, "HidReportBuff is 64 bytes");

#endif
