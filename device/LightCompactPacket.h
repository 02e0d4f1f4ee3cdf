// The light of a keyboard behind its 2.4 GHz receiver (command 0x28): one
// report a tick carries the effect's live parameters instead of per-key
// colours. Bytes 2-3 the time in milliseconds since the epoch (its low 16
// bits, high byte first), 4 the keyboard mode, 5.. the mode's data, 34 the
// side mode and 35.. its data (only with a side light).
#ifndef LIGHTCOMPACTPACKET_H
#define LIGHTCOMPACTPACKET_H

#include "device/HidReportBuff.h"

#include <QtGlobal>

#include <array>
#include <cstdint>

// What the light engine knows at a tick; the report takes what the modes need.
struct LightCompactFrame {
    struct Rgb {
        int r = 0, g = 0, b = 0;
    };
    static constexpr int MusicBands = 11;

    qint64 timeMs = 0;
    int keyboardMode = 0;
    Rgb firstKey;                 // the preview of key 0
    int pointRow = -1;            // the press not reported yet; -1: none
    int pointColumn = -1;
    Rgb ripple;                   // its ripple colour
    bool hasSpeedRespond = false; // Speed Respond lit a row
    int speedRespondLevel = 0;    // the highest lit row's rank
    int speedRespondValue = 0;    // and its strength
    bool autoRippleTrigger = false; // an Auto Ripple started this frame
    std::array<int, 5> autoRipple{}; // its row, column, R, G, B
    std::array<int, MusicBands> musicLevels{};
    std::array<int, MusicBands> musicIntensities{};
    bool hasSideLight = false;
    int sideMode = 0;
    Rgb firstSide;                // the preview of the first side LED
    std::array<uint8_t, 5> collision{}; // side Collision: both heads and a colour
};

class LightCompactPacket
{
public:
    static constexpr uint8_t Command = 0x28;
    static constexpr int ModeData = 5;
    static constexpr int SideMode = 34;
    static constexpr int SideData = 35;

    static HidReportBuff report(const LightCompactFrame &frame);
    // The modes whose report carries the press: the engine reports a press
    // once, in the first report of one of them.
    static bool carriesPress(int keyboardMode);
};

#endif
