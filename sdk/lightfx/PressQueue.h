// Key presses waiting for the next keyboard step. Presses may arrive from
// any thread (the keyboard's own reports, the desktop hook); the step takes
// them all at once. A position already waiting counts once, so one press
// seen by two sources in one step is one press. The queue is small and
// bounded: when full, the oldest press gives way.
#ifndef LUMTAR_LIGHTFX_PRESS_QUEUE_H
#define LUMTAR_LIGHTFX_PRESS_QUEUE_H

#include <array>
#include <mutex>

namespace lumtar::lightfx {

struct KeyPress {
    int row = 0;
    int column = 0;
};

class PressQueue {
public:
    static constexpr int kCapacity = 16;

    struct Batch {
        std::array<KeyPress, kCapacity> presses{};
        int count = 0;
    };

    // false (nothing queued) for a position outside the key matrix.
    bool push(int row, int column);
    // Every waiting press, oldest first; the queue is then empty.
    Batch take();
    void clear();
    int size() const;

private:
    mutable std::mutex m_mutex;
    Batch m_waiting;
};

} // namespace lumtar::lightfx

#endif
