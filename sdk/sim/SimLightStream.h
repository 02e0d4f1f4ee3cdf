// What a simulated keyboard makes of the light the application streams: the
// 0x0E reports put together into frames (key packets 0..7, then the side
// packets its side LED count takes, each with its full byte count, one after
// the other), and the compact reports (0x28) of a keyboard behind its
// receiver. A frame whose packets do not follow each other is torn: it is
// counted and never shown. Plain logic; the bus hands in the arrival times.
#ifndef LUMTAR_SIM_LIGHT_STREAM_H
#define LUMTAR_SIM_LIGHT_STREAM_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace lumtar {
namespace sim {

// A snapshot for tests and benchmarks.
struct SimLightStreamView {
    std::vector<uint8_t> keyColours;   // the last whole frame: R, G, B of the 132 keys
    std::vector<uint8_t> sideColours;  // and of its side LEDs
    long wholeFrames = 0;
    long tornFrames = 0;
    std::vector<int64_t> frameTimesUs; // arrival of each whole frame's last packet (steady clock), oldest first
    std::vector<std::array<uint8_t, 64>> compactReports; // 0x28, oldest first
    std::vector<int64_t> compactTimesUs;
};

class SimLightStream {
public:
    static constexpr int kKeyPackets = 8;
    static constexpr int kKeys = 132;
    static constexpr size_t kKeepLimit = 4096; // arrival times and compact reports kept

    explicit SimLightStream(int sideLeds = 0);

    // Takes one output report; reports of other commands are ignored.
    void take(const std::array<uint8_t, 64>& report, int64_t timeUs);
    SimLightStreamView view() const;
    void clear();

private:
    enum class State { Idle, Assembling, Torn };
    int bytesOf(int zone, int packet) const;
    void tear();

    int m_sideLeds;
    int m_sidePackets;
    State m_state = State::Idle;
    int m_nextZone = 0;
    int m_nextPacket = 0;
    std::vector<uint8_t> m_keys;
    std::vector<uint8_t> m_side;
    std::vector<uint8_t> m_lastKeys;
    std::vector<uint8_t> m_lastSide;
    long m_whole = 0;
    long m_torn = 0;
    std::deque<int64_t> m_frameTimes;
    std::deque<std::array<uint8_t, 64>> m_compact;
    std::deque<int64_t> m_compactTimes;
};

} // namespace sim
} // namespace lumtar

#endif
