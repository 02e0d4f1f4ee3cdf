#include "device/KeyReportRelay.h"

namespace {

constexpr int kFirstModifierUsage = 224; // L_CTRL; bit n of the modifier byte is usage 224 + n
constexpr int kUsageTab = 43;
constexpr int kUsageF4 = 61;
constexpr uint8_t kAltBits = 0x04 | 0x40;   // L_ALT, R_ALT
constexpr uint8_t kShiftBits = 0x02 | 0x20; // L_SHIFT, R_SHIFT
constexpr uint8_t kWindowsBits = 0x08 | 0x80;

bool holds(const KeyReportRelay::Report &report, uint8_t usage)
{
    for (int i = 2; i < 8; ++i) {
        if (report[i] == usage)
            return true;
    }
    return false;
}

} // namespace

int KeyReportRelay::modifierBitToUsage(int mask)
{
    for (int bit = 0; bit < 8; ++bit) {
        if (mask == (1 << bit))
            return kFirstModifierUsage + bit;
    }
    return -1;
}

void KeyReportRelay::updatePendingKey(int usage, bool pressed)
{
    if (usage >= kFirstModifierUsage && usage < kFirstModifierUsage + 8) {
        const auto bit = static_cast<uint8_t>(1 << (usage - kFirstModifierUsage));
        m_relay[0] = static_cast<uint8_t>(pressed ? m_relay[0] | bit : m_relay[0] & ~bit);
        return;
    }
    // Key slots hold usages 1..255; 0 marks a free slot and is never a key.
    if (usage <= 0 || usage > 255)
        return;
    if (pressed) {
        if (m_nextSlot < 8)
            m_relay[m_nextSlot++] = static_cast<uint8_t>(usage);
        return;
    }
    int slot = 2;
    while (slot < 8) {
        if (m_relay[slot] == usage) {
            for (int i = slot; i < 7; ++i)
                m_relay[i] = m_relay[i + 1];
            m_relay[7] = 0;
            if (m_nextSlot > 2)
                --m_nextSlot;
        } else {
            ++slot;
        }
    }
}

std::vector<int> KeyReportRelay::newlyPressed(const Report &before, const Report &now)
{
    std::vector<int> pressed;
    for (int bit = 0; bit < 8; ++bit) {
        if ((now[0] & (1 << bit)) && !(before[0] & (1 << bit)))
            pressed.push_back(kFirstModifierUsage + bit);
    }
    for (int i = 2; i < 8; ++i) {
        if (now[i] != 0 && !holds(before, now[i]))
            pressed.push_back(now[i]);
    }
    return pressed;
}

const KeyReportRelay::Report &KeyReportRelay::relay(const Report &now, const Locks *locks)
{
    // Presses before releases, modifiers before keys.
    m_pressed = newlyPressed(m_last, now);
    for (int usage : m_pressed)
        updatePendingKey(usage, true);
    for (int bit = 0; bit < 8; ++bit) {
        if (!(now[0] & (1 << bit)) && (m_last[0] & (1 << bit)))
            updatePendingKey(kFirstModifierUsage + bit, false);
    }
    for (int i = 2; i < 8; ++i) {
        if (m_last[i] != 0 && !holds(now, m_last[i]))
            updatePendingKey(m_last[i], false);
    }
    m_last = now;
    if (locks)
        filter(*locks);
    return m_relay;
}

void KeyReportRelay::filter(const Locks &locks)
{
    // While a Windows key is held only the Windows lock applies.
    if (m_relay[0] & kWindowsBits) {
        if (locks.windowsKey)
            m_relay[0] = static_cast<uint8_t>(m_relay[0] & ~kWindowsBits);
        return;
    }
    if (m_relay[0] & kAltBits) {
        if (locks.altTab)
            updatePendingKey(kUsageTab, false);
        if (locks.altF4)
            updatePendingKey(kUsageF4, false);
    }
    if ((m_relay[0] & kShiftBits) && locks.shiftTab)
        updatePendingKey(kUsageTab, false);
}
