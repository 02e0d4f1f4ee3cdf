// What one input report from the keyboard says, decoded from its bytes by
// InputReportDecoder. One record per meaning; a report that says nothing this
// program acts on decodes to Ignored, one cut shorter than its fields to Short.
#ifndef INPUTREPORT_H
#define INPUTREPORT_H

#include "sdk/include/LumtarRecords.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <variant>
#include <vector>

namespace InputReport {

// A reply id (or sub-command) this program does not act on.
struct Ignored {
    int id = 0;
    bool operator==(const Ignored &o) const { return id == o.id; }
};

// Fewer bytes arrived than the report's fields need; nothing of it is used.
struct Short {
    int id = 0; // -1 when not even the id arrived
    int length = 0;
    bool operator==(const Short &o) const { return id == o.id && length == o.length; }
};

// 0x15: the serial number, up to its first zero byte (at most 32 characters).
struct SerialNumber {
    std::string text;
    bool operator==(const SerialNumber &o) const { return text == o.text; }
};

// 0x01 with a length byte: battery, connection and mode.
struct Status {
    bool keyRelayFilter = false;
    int charging = 0;     // 0 no, 1 charging, 2 full
    int battery = 0;      // percent
    int connection = 0;   // 0 cable, 1 receiver
    int receiverLink = 0; // 0 keyboard reachable, 1 not
    int downloadStatus = 0;
    int keyboardMode = 0;
    bool operator==(const Status &o) const
    {
        return keyRelayFilter == o.keyRelayFilter && charging == o.charging && battery == o.battery
            && connection == o.connection && receiverLink == o.receiverLink && downloadStatus == o.downloadStatus
            && keyboardMode == o.keyboardMode;
    }
};

// 0x14 sub-command 0: the sleep times were taken.
struct SleepTimeAcknowledged {
    bool operator==(const SleepTimeAcknowledged &) const { return true; }
};

// 0x14 sub-command 2: the stored sleep times.
struct SleepTimes {
    int lightSeconds = 0;
    int keyboardSeconds = 0;
    int prohibitSleep = 0;
    bool operator==(const SleepTimes &o) const
    {
        return lightSeconds == o.lightSeconds && keyboardSeconds == o.keyboardSeconds
            && prohibitSleep == o.prohibitSleep;
    }
};

// 0x04: the keyboard's 8-byte key report (modifier bits, 0, six key slots).
struct KeyReport {
    std::array<uint8_t, 8> keys{};
    bool operator==(const KeyReport &o) const { return keys == o.keys; }
};

// 0x05: the full key report, bytes 6..18, sent back unchanged.
struct FullKeyReport {
    std::array<uint8_t, 13> bytes{};
    bool operator==(const FullKeyReport &o) const { return bytes == o.bytes; }
};

// 0x0A (keyboard) and 0x02 (side light): supported modes and level counts.
struct LightModeList {
    int kind = LUMTAR_LIGHT_KIND_KEYBOARD;
    std::vector<int> modes;
    int speedLevels = 0;
    int brightnessLevels = 0;
    bool operator==(const LightModeList &o) const
    {
        return kind == o.kind && modes == o.modes && speedLevels == o.speedLevels
            && brightnessLevels == o.brightnessLevels;
    }
};

// 0x07 (keyboard) and 0x08 (side light): the light's current settings.
struct LightConfig {
    colorInfoData config{};
    bool operator==(const LightConfig &o) const { return std::memcmp(&config, &o.config, sizeof config) == 0; }
};

// 0x09: the keyboard shows the custom scheme of this index.
struct CustomSchemeInUse {
    int schemeIndex = 0;
    bool operator==(const CustomSchemeInUse &o) const { return schemeIndex == o.schemeIndex; }
};

// 0x0E: the keys that take custom colours, one byte per column, bit r for row r.
struct CustomKeyBitmap {
    std::array<uint8_t, 22> columns{};
    bool operator==(const CustomKeyBitmap &o) const { return columns == o.columns; }
};

// 0x19: a macro slot packet was taken.
struct MacroPacketAcknowledged {
    bool operator==(const MacroPacketAcknowledged &) const { return true; }
};

// 0x18: the keyboard's answer to a macro slot write.
struct MacroSlotReply {
    bool operator==(const MacroSlotReply &) const { return true; }
};

// 0x0D: a text of comma-separated fields.
struct TextReply {
    std::string text;
    // The fifth field; empty when there are fewer.
    std::string fifthField() const;
    bool operator==(const TextReply &o) const { return text == o.text; }
};

// 0x0B: the receiver's answer, its value in byte 2.
struct ReceiverReply {
    int value = 0;
    bool operator==(const ReceiverReply &o) const { return value == o.value; }
};

// 0x20: a key whose function runs on the computer went down or up.
struct FunctionKey {
    int layer = 0;
    int keyId = 0;
    bool pressed = false;
    bool operator==(const FunctionKey &o) const
    {
        return layer == o.layer && keyId == o.keyId && pressed == o.pressed;
    }
};

// 0x21 sub-command 1: a travel value of one key, for the live display.
struct KeyTravelSample {
    int row = 0;
    int column = 0;
    int travel = 0;
    bool operator==(const KeyTravelSample &o) const
    {
        return row == o.row && column == o.column && travel == o.travel;
    }
};

// 0x21 sub-command 4: the largest travel value the keyboard supports.
struct MaxTravel {
    int travel = 0;
    bool operator==(const MaxTravel &o) const { return travel == o.travel; }
};

// 0x21 sub-command 5: the travel settings of one key.
struct KeyTravelSettings {
    int mode = 0;
    int pressTravel = 0;
    int releaseTravel = 0;
    int rapidPressTravel = 0;
    int rapidReleaseTravel = 0;
    bool operator==(const KeyTravelSettings &o) const
    {
        return mode == o.mode && pressTravel == o.pressTravel && releaseTravel == o.releaseTravel
            && rapidPressTravel == o.rapidPressTravel && rapidReleaseTravel == o.rapidReleaseTravel;
    }
};

// 0x21 sub-command 7: calibration of one key (0 done, 1 running, 2 failed).
struct KeyCalibrationStatus {
    int status = 0;
    bool operator==(const KeyCalibrationStatus &o) const { return status == o.status; }
};

// 0x21 sub-command 8: calibration of all keys and the keys still under it.
struct AllKeysCalibrationStatus {
    int status = 0;
    std::array<uint8_t, 22> columns{};
    bool operator==(const AllKeysCalibrationStatus &o) const { return status == o.status && columns == o.columns; }
};

// 0x21 sub-command 9: the report rate.
struct ReportRate {
    int value = 0;
    bool operator==(const ReportRate &o) const { return value == o.value; }
};

// 0x21 sub-command 10: the anti-shake value.
struct AntiShake {
    int value = 0;
    bool operator==(const AntiShake &o) const { return value == o.value; }
};

using Event = std::variant<Ignored, Short, SerialNumber, Status, SleepTimeAcknowledged, SleepTimes, KeyReport,
                           FullKeyReport, LightModeList, LightConfig, CustomSchemeInUse, CustomKeyBitmap,
                           MacroPacketAcknowledged, MacroSlotReply, TextReply, ReceiverReply, FunctionKey,
                           KeyTravelSample, MaxTravel, KeyTravelSettings, KeyCalibrationStatus,
                           AllKeysCalibrationStatus, ReportRate, AntiShake>;

} // namespace InputReport

#endif
