#include "sdk/sim/SimKeyboard.h"

#include <algorithm>
#include <cstring>
#include <random>

namespace lumtar {
namespace sim {

namespace {

std::string randomSerial()
{
    static const char kHex[] = "0123456789ABCDEF";
    std::random_device rd;
    std::mt19937 gen(rd());
    std::uniform_int_distribution<int> digit(0, 15);
    std::string s;
    for (int i = 0; i < 32; ++i)
        s.push_back(kHex[digit(gen)]);
    return s;
}

// Default travel of a key that was never set: one travel of 2.0 mm, rapid
// trigger 0.3 mm.
constexpr std::array<int, 5> kDefaultTravel = { 0, 20, 20, 3, 3 };

} // namespace

SimKeyboard::SimKeyboard(const DeviceModel& model, int connectType, int gamepadMode) : m_model(model)
{
    m_state.model = model.model;
    m_state.connectType = connectType;
    m_state.gamepadMode = gamepadMode;
    m_state.serialNumber = randomSerial();
    m_state.firmwareVersion = model.simFirmwareVersion;
    m_state.firmwareDate = model.simFirmwareDate;
    m_state.maxTravel = model.simMaxTravel;
    m_state.lightSleepSeconds = 300;
    m_state.keyboardSleepSeconds = 1800;
    // mode, brightness - 1, speed - 1, colour 1, colour 2, direction, full colour, extra
    m_state.keyboardLight = { 2, 3, 2, 255, 0, 0, 0, 0, 255, 0, 1, 0 };
    m_state.sideLight = { 1, 3, 2, 0, 255, 0, 0, 0, 0, 0, 1, 0 };
}

SimKeyboard::Report SimKeyboard::reply(uint8_t command)
{
    Report r{};
    r[0] = 0x01;
    r[1] = command;
    return r;
}

SimKeyboard::Report SimKeyboard::modeList(uint8_t command, const std::vector<int>& modes, int speed,
                                          int brightness) const
{
    Report r = reply(command);
    size_t i = 6;
    for (int m : modes) {
        if (i >= 61)
            break;
        r[i++] = static_cast<uint8_t>(m);
    }
    r[i++] = 0xA5;
    r[i++] = static_cast<uint8_t>(speed);
    r[i] = static_cast<uint8_t>(brightness);
    return r;
}

std::array<uint8_t, 64> SimKeyboard::statusReport() const
{
    Report r = reply(0x01);
    r[5] = 9;
    r[9] = static_cast<uint8_t>(m_state.charging);
    r[10] = static_cast<uint8_t>(m_state.batteryPercent);
    r[11] = static_cast<uint8_t>(m_state.connectType);
    r[12] = (m_state.connectType == 1 && !m_state.receiverLinkUp) ? 1 : 0;
    return r;
}

SimOutcome SimKeyboard::handle(const uint8_t* data, size_t length, SimFaults& faults)
{
    SimOutcome out;
    Report r{};
    std::memcpy(r.data(), data, std::min(length, r.size()));
    const uint8_t cmd = r[1];
    const uint8_t sub = r[2];
    const int delay = std::max(0, faults.replyDelayMs);
    auto send = [&](const Report& rep) { out.replies.push_back({ rep, delay, -1 }); };

    // Behind a receiver whose keyboard is out of reach only the receiver
    // itself answers: the serial-number inquiry and its status.
    const bool reachable = !(m_state.connectType == 1 && !m_state.receiverLinkUp);
    if (!reachable && cmd != 0x14)
        return out;

    switch (cmd) {
    case 0x01: // side-light mode list
        if (!faults.noSideLightList)
            send(modeList(0x02, m_model.simSideLightModes, m_model.simSideSpeedLevels,
                          m_model.simSideBrightnessLevels));
        break;
    case 0x06: // keyboard light configuration
    case 0x07: // side light configuration
        if (sub == 1) {
            Report rep = reply(static_cast<uint8_t>(cmd + 1));
            const auto& cfg = cmd == 0x06 ? m_state.keyboardLight : m_state.sideLight;
            std::copy(cfg.begin(), cfg.end(), rep.begin() + 6);
            send(rep);
        } else if (sub == 0) {
            auto& cfg = cmd == 0x06 ? m_state.keyboardLight : m_state.sideLight;
            std::copy(r.begin() + 6, r.begin() + 18, cfg.begin());
        }
        break;
    case 0x09: // keyboard light mode list
        send(modeList(0x0A, m_model.simLightModes, m_model.simSpeedLevels, m_model.simBrightnessLevels));
        break;
    case 0x0A: // firmware update mode
        out.enterBootloader = true;
        break;
    case 0x0D: { // keys that take custom colours: every position of the matrix
        Report rep = reply(0x0E);
        std::fill(rep.begin() + 6, rep.begin() + 28, uint8_t(0x3F));
        send(rep);
        break;
    }
    case 0x13:
        if (sub == 0) {
            if (r[6] == 1)
                ++m_state.resetCount;
            else
                for (int i = 0; i < 4; ++i)
                    m_state.lockFlags[static_cast<size_t>(i)] = r[static_cast<size_t>(13 + i)];
        } else if (sub == 1) {
            m_state.lightSleepSeconds = r[9] * 256 + r[10];
            m_state.keyboardSleepSeconds = r[11] * 256 + r[12];
            m_state.prohibitSleep = r[13];
            Report rep = reply(0x14);
            rep[2] = 0;
            send(rep);
        } else if (sub == 2) {
            Report rep = reply(0x14);
            rep[2] = 2;
            rep[9] = static_cast<uint8_t>(m_state.lightSleepSeconds >> 8);
            rep[10] = static_cast<uint8_t>(m_state.lightSleepSeconds);
            rep[11] = static_cast<uint8_t>(m_state.keyboardSleepSeconds >> 8);
            rep[12] = static_cast<uint8_t>(m_state.keyboardSleepSeconds);
            rep[13] = static_cast<uint8_t>(m_state.prohibitSleep);
            send(rep);
        } else if (sub == 3) {
            const int mode = r[6];
            if (m_state.connectType == 0 && m_model.idsFor(0, mode))
                out.restartInGamepadMode = mode;
        }
        break;
    case 0x14: { // serial number, then the status
        Report rep = reply(0x15);
        std::string sn = m_state.serialNumber;
        if (faults.serialLength >= 0 && static_cast<size_t>(faults.serialLength) < sn.size())
            sn.resize(static_cast<size_t>(faults.serialLength));
        std::copy_n(sn.begin(), std::min<size_t>(sn.size(), 32), rep.begin() + 6);
        send(rep);
        send(statusReport());
        break;
    }
    case 0x15: { // write the serial number
        const char* p = reinterpret_cast<const char*>(r.data() + 6);
        m_state.serialNumber.assign(p, strnlen(p, 32));
        break;
    }
    case 0x16:
        m_state.lightSync = r[6];
        break;
    case 0x17: { // onboard key records
        const size_t len = std::min<size_t>(r[5], 58);
        m_keyPackets[sub][r[4]] = std::vector<uint8_t>(r.begin() + 6, r.begin() + 6 + static_cast<long>(len));
        break;
    }
    case 0x18: { // onboard macro slot, five reports, each acknowledged
        const int slot = sub;
        const int packet = r[4];
        if (slot < kMacroSlots && packet < 5) {
            auto it = m_macros.find(slot);
            if (it == m_macros.end())
                it = m_macros.emplace(slot, std::array<uint8_t, kMacroSlotSize>{}).first;
            const size_t offset = static_cast<size_t>(packet) * 58;
            const size_t len = std::min<size_t>({ r[5], size_t(58), kMacroSlotSize - offset });
            std::copy_n(r.begin() + 6, len, it->second.begin() + static_cast<long>(offset));
        }
        if (faults.dropAcks != 0 && slot * 5 + packet >= faults.dropAcksFromReport) {
            if (faults.dropAcks > 0)
                --faults.dropAcks;
            break;
        }
        Report ack = reply(0x19);
        ack[2] = sub;
        ack[4] = r[4];
        out.replies.push_back({ ack, std::max(0, faults.ackDelayMs), -1 });
        break;
    }
    case 0x29:
        if (m_model.magnetic)
            handleMagnetic(r, out, delay, faults);
        break;
    case 0x2A: // onboard advanced-key record
        if (sub < kSeniorKeys)
            m_seniorKeys[sub] = r;
        break;
    case 0x08: // custom colours: slots 0 and 1 are kept, byte 2 = 2 is the host's preview
        if (sub <= 1 && r[4] < 8) {
            auto& slot = m_state.customSlots[sub];
            const size_t at = static_cast<size_t>(r[4]) * 54;
            const size_t count = std::min<size_t>(std::min<size_t>(r[5], 54), slot.size() - at);
            std::copy(r.begin() + 6, r.begin() + 6 + static_cast<long>(count), slot.begin() + static_cast<long>(at));
        }
        break;
    default: // 0x00 shake hands, 0x03/0x04 relayed keys, 0x0E/0x28 colours
        break;
    }
    return out;
}

SimKeyboard::Report SimKeyboard::calibrationReply(uint8_t sub, uint8_t status)
{
    Report rep = reply(0x21);
    rep[6] = sub;
    rep[7] = status;
    return rep;
}

void SimKeyboard::handleMagnetic(const Report& r, SimOutcome& out, int delayMs, const SimFaults& faults)
{
    const uint8_t sub = r[6];
    auto answer = [&](std::initializer_list<uint8_t> values) {
        Report rep = reply(0x21);
        rep[6] = sub;
        size_t i = 7;
        for (uint8_t v : values)
            rep[i++] = v;
        out.replies.push_back({ rep, delayMs, -1 });
        return &out.replies.back().report;
    };
    switch (sub) {
    case 0:
    case 1:
    case 12:
    case 13: // apply travel to the keys of the bitmap; positions without a key stay empty
        for (int col = 0; col < 22; ++col)
            for (int row = 0; row < 6; ++row)
                if ((r[static_cast<size_t>(7 + col)] & (1u << row)) && m_model.simHasKey(row, col))
                    m_state.travel[row * 22 + col] = { sub, r[29], r[30], r[31], r[32] };
        break;
    case 2:
        std::copy(r.begin() + 7, r.begin() + 29, m_state.selectedKeys.begin());
        break;
    case 4:
        answer({ static_cast<uint8_t>(std::clamp(m_state.maxTravel, 0, 255)) });
        break;
    case 5: {
        const int row = r[7], col = r[8];
        std::array<int, 5> t = kDefaultTravel;
        const auto it = m_state.travel.find(row * 22 + col);
        if (it != m_state.travel.end())
            t = it->second;
        answer({ uint8_t(t[0]), uint8_t(t[1]), uint8_t(t[2]), uint8_t(t[3]), uint8_t(t[4]) });
        break;
    }
    case 6:
        m_state.travel.clear();
        break;
    case 7: { // one key: running until that key is fully pressed
        ++m_calibrationRun;
        const int row = r[7], col = r[8];
        if (faults.failCalibration || !m_model.simHasKey(row, col)) {
            m_state.calibratingKey = -1;
            answer({ 2 });
            break;
        }
        m_state.calibratingKey = row * 22 + col;
        answer({ 1 });
        if (m_state.selfPressing)
            out.presses.push_back({ 800, row, col, m_calibrationRun });
        break;
    }
    case 8:
        ++m_calibrationRun;
        m_state.toCalibrate.fill(0);
        if (r[7] != 0) { // stop: no answer
            m_state.calibrating = false;
            break;
        }
        if (faults.failCalibration) {
            m_state.calibrating = false;
            answer({ 2 });
            break;
        }
        m_state.calibrating = true;
        m_state.toCalibrate = m_model.simKeyColumns;
        {
            Report* running = answer({ 1 });
            std::copy(m_state.toCalibrate.begin(), m_state.toCalibrate.end(), running->begin() + 8);
        }
        if (m_state.selfPressing) {
            // Every key once, spread over about three seconds.
            int keys = 0;
            for (uint8_t c : m_state.toCalibrate)
                for (int row = 0; row < 6; ++row)
                    keys += (c >> row) & 1;
            int i = 0;
            for (int col = 0; col < 22; ++col)
                for (int row = 0; row < 6; ++row)
                    if (m_model.simHasKey(row, col))
                        out.presses.push_back({ 300 + (i++) * 3000 / std::max(keys, 1), row, col, m_calibrationRun });
        }
        break;
    case 9:
        if (r[7] == 1)
            m_state.reportRate = r[8];
        answer({ static_cast<uint8_t>(m_state.reportRate) });
        break;
    case 10:
        if (r[7] == 1)
            m_state.antiShake = r[8];
        answer({ static_cast<uint8_t>(m_state.antiShake) });
        break;
    default: // 3: leaving the trigger page
        break;
    }
}

SimOutcome SimKeyboard::press(int row, int column, int depth)
{
    SimOutcome out;
    if (row < 0 || row >= 6 || column < 0 || column >= 22)
        return out;
    Report live = reply(0x21);
    live[6] = 1;
    live[7] = static_cast<uint8_t>(row);
    live[8] = static_cast<uint8_t>(column);
    live[9] = static_cast<uint8_t>(std::clamp(depth, 0, 255));
    out.replies.push_back({ live, 0, -1 });
    if (depth < fullDepth() || !m_model.simHasKey(row, column))
        return out;

    if (m_state.calibratingKey == row * 22 + column) {
        m_state.calibratingKey = -1;
        out.replies.push_back({ calibrationReply(7, 0), 0, -1 });
    }
    uint8_t& bits = m_state.toCalibrate[static_cast<size_t>(column)];
    if (m_state.calibrating && (bits & (1u << row))) {
        bits = static_cast<uint8_t>(bits & ~(1u << row));
        const bool done = std::all_of(m_state.toCalibrate.begin(), m_state.toCalibrate.end(),
                                      [](uint8_t b) { return b == 0; });
        Report progress = calibrationReply(8, done ? 0 : 1);
        std::copy(m_state.toCalibrate.begin(), m_state.toCalibrate.end(), progress.begin() + 8);
        out.replies.push_back({ progress, 0, -1 });
        if (done)
            m_state.calibrating = false;
    }
    return out;
}

std::vector<uint8_t> SimKeyboard::onboardKeys(int layer) const
{
    std::vector<uint8_t> out;
    const auto it = m_keyPackets.find(layer);
    if (it == m_keyPackets.end())
        return out;
    for (const auto& packet : it->second)
        out.insert(out.end(), packet.second.begin(), packet.second.end());
    return out;
}

std::vector<uint8_t> SimKeyboard::onboardMacro(int slot) const
{
    const auto it = m_macros.find(slot);
    return it == m_macros.end() ? std::vector<uint8_t>() : std::vector<uint8_t>(it->second.begin(), it->second.end());
}

std::vector<uint8_t> SimKeyboard::onboardSeniorKey(int index) const
{
    const auto it = m_seniorKeys.find(index);
    return it == m_seniorKeys.end() ? std::vector<uint8_t>() : std::vector<uint8_t>(it->second.begin(), it->second.end());
}

} // namespace sim
} // namespace lumtar
