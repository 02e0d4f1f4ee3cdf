// The key-report relay: the keyboard sends its key reports (modifier bits, 0,
// six key slots) to the computer, which rebuilds them in press order, takes
// out the combinations the profile locks (Windows keys, Alt+Tab, Alt+F4,
// Shift+Tab) and sends the result back. No I/O here: the caller reads the
// locks and sends the report.
#ifndef KEYREPORTRELAY_H
#define KEYREPORTRELAY_H

#include <array>
#include <cstdint>
#include <vector>

class KeyReportRelay
{
public:
    using Report = std::array<uint8_t, 8>;

    // The combinations a profile locks.
    struct Locks {
        bool altTab = false;
        bool altF4 = false;
        bool shiftTab = false;
        bool windowsKey = false;
    };

    // 1, 2, 4, ..., 128 give the modifier usages 224..231; any other mask -1.
    static int modifierBitToUsage(int mask);

    // A press or release of one usage in the relay report: modifiers set or
    // clear their bit, other keys take the next free slot (a seventh is
    // dropped) or free every slot holding them.
    void updatePendingKey(int usage, bool pressed);

    // Usages held in `now` but not in `before`: modifiers (224..231) in bit
    // order, then keys in slot order.
    static std::vector<int> newlyPressed(const Report &before, const Report &now);

    // Takes the keyboard's new key report and returns the report to relay.
    // With locks (the filter on), the locked combinations are taken out.
    const Report &relay(const Report &keys, const Locks *locks);

    const Report &relayReport() const { return m_relay; }
    // The usages the last report given to relay() newly pressed.
    const std::vector<int> &lastPressed() const { return m_pressed; }

private:
    void filter(const Locks &locks);

    Report m_last{};
    Report m_relay{};
    std::vector<int> m_pressed;
    int m_nextSlot = 2;
};

#endif
