// When a frame tick is due. A frame thread reads the clock as the last
// digits of the time in milliseconds since the epoch (8 for the keyboard, 6
// for the side light) and ticks once `interval` has passed since its last
// tick, or at once when it has not ticked yet (last NoTick). When the digits
// wrap round to a smaller value the last tick is moved back to them: the
// tick after a wrap comes at most one interval late, never twice at once.
#ifndef LIGHTTICKRULE_H
#define LIGHTTICKRULE_H

#include <QtGlobal>

class LightTickRule
{
public:
    static constexpr int KeyboardDigits = 8;
    static constexpr int SideDigits = 6;
    static constexpr int MinInterval = 8;
    static constexpr int MaxInterval = 28;
    static constexpr int NoTick = -1;

    // The last `digits` decimal digits of a time (digits 1..9).
    static int clockDigits(qint64 epochMs, int digits);
    // Applies the wrap to `last`; true when a tick is due, and then `last`
    // becomes `now`.
    static bool advance(int now, int &last, int interval);
    // Milliseconds until the next tick is due, at least 1 (the thread sleeps
    // that long instead of looking at the clock every millisecond).
    static int msUntilDue(int now, int last, int interval);
    // The ticks due at `now` when they are taken together instead of one by
    // one: as many as whole intervals passed since the last tick, which moves
    // on by as many intervals, so the ticks keep their pace. The first tick
    // (last NoTick) is due at once; after a wrap none is, and the last tick
    // moves back to now. More than `most` are dropped (the last tick becomes
    // now), so a long pause is never made up.
    static int dueTicks(int now, int &last, int interval, int most);
    static int clampInterval(int ms) { return ms < MinInterval ? MinInterval : (ms > MaxInterval ? MaxInterval : ms); }
};

#endif
