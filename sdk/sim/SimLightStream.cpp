#include "sdk/sim/SimLightStream.h"

#include <algorithm>

namespace lumtar {
namespace sim {

namespace {

constexpr uint8_t kStreamCommand = 0x0E;
constexpr uint8_t kCompactCommand = 0x28;
constexpr int kLedsPerPacket = 18;

template <typename T>
void keep(std::deque<T>& list, const T& value, size_t limit)
{
    list.push_back(value);
    if (list.size() > limit)
        list.pop_front();
}

} // namespace

SimLightStream::SimLightStream(int sideLeds)
    : m_sideLeds(std::max(0, sideLeds))
    , m_sidePackets((m_sideLeds + kLedsPerPacket - 1) / kLedsPerPacket)
{
}

int SimLightStream::bytesOf(int zone, int packet) const
{
    const int leds = zone == 0 ? kKeys : m_sideLeds;
    return 3 * std::min(kLedsPerPacket, leds - packet * kLedsPerPacket);
}

void SimLightStream::tear()
{
    if (m_state == State::Assembling || m_state == State::Idle)
        ++m_torn;
    m_state = State::Torn;
}

void SimLightStream::take(const std::array<uint8_t, 64>& r, int64_t timeUs)
{
    if (r[1] == kCompactCommand) {
        keep(m_compact, r, kKeepLimit);
        keep(m_compactTimes, timeUs, kKeepLimit);
        return;
    }
    if (r[1] != kStreamCommand)
        return;
    const int zone = r[2];
    const int packet = r[4];
    const int count = r[5];
    if (zone == 0 && packet == 0) {
        // A new frame; one still incomplete is torn.
        if (m_state == State::Assembling)
            ++m_torn;
        m_state = State::Assembling;
        m_keys.clear();
        m_side.clear();
        m_nextZone = 0;
        m_nextPacket = 0;
    }
    const bool expected = m_state == State::Assembling && zone == m_nextZone && packet == m_nextPacket
                          && zone <= 1 && count == bytesOf(zone, packet);
    if (!expected) {
        tear();
        return;
    }
    std::vector<uint8_t>& into = zone == 0 ? m_keys : m_side;
    into.insert(into.end(), r.begin() + 6, r.begin() + 6 + count);
    ++m_nextPacket;
    if (zone == 0 && m_nextPacket == kKeyPackets) {
        m_nextZone = 1;
        m_nextPacket = 0;
    }
    if (m_nextZone == 1 && m_nextPacket == m_sidePackets) {
        m_lastKeys = m_keys;
        m_lastSide = m_side;
        ++m_whole;
        keep(m_frameTimes, timeUs, kKeepLimit);
        m_state = State::Idle;
    }
}

SimLightStreamView SimLightStream::view() const
{
    SimLightStreamView v;
    v.keyColours = m_lastKeys;
    v.sideColours = m_lastSide;
    v.wholeFrames = m_whole;
    v.tornFrames = m_torn;
    v.frameTimesUs.assign(m_frameTimes.begin(), m_frameTimes.end());
    v.compactReports.assign(m_compact.begin(), m_compact.end());
    v.compactTimesUs.assign(m_compactTimes.begin(), m_compactTimes.end());
    return v;
}

void SimLightStream::clear()
{
    *this = SimLightStream(m_sideLeds);
}

} // namespace sim
} // namespace lumtar
