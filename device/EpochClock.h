// Milliseconds since the epoch, as the light reports stamp them and the light
// engine's ticks count them. Whoever reads the time takes a Source, so tests
// hand in a clock of their own.
#ifndef EPOCHCLOCK_H
#define EPOCHCLOCK_H

#include <QtGlobal>

#include <functional>

class EpochClock
{
public:
    using Source = std::function<qint64()>;

    // The system's clock.
    static qint64 now();
    static Source system() { return &EpochClock::now; }
    // The time of `source`, or of the system's clock when it is empty.
    static qint64 read(const Source &source) { return source ? source() : now(); }
};

#endif
