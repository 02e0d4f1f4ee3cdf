// One key press seen by two sources counts once. Our keyboards' presses are
// read from their own input nodes and also reach the desktop's hook while an
// X program has the focus; the two reports of one press come a few
// milliseconds apart, in either order. A press from one source that finds
// an unmatched press of the same key from the other source within Window is
// its echo: it is dropped and the pair is done. Widget-free and pure; the
// caller gives the time.
#ifndef PRESSDEDUPLICATOR_H
#define PRESSDEDUPLICATOR_H

#include <cstdint>
#include <deque>

class PressDeduplicator
{
public:
    enum class Source { Desktop, OwnKeyboard };

    // The longest two reports of one press lie apart. The desktop's report
    // goes through the compositor and the X server; a key held shorter than
    // this and pressed again is still two presses as long as both sources
    // saw both.
    static constexpr int64_t WindowMs = 250;

    // Whether a new press of vkCode from source at nowMs goes on.
    bool admit(Source source, int vkCode, int64_t nowMs);
    // A press of a key already held is no new press, but may still be the
    // echo of one from the other source: that one is then matched. Returns
    // whether it was.
    bool takeEcho(Source source, int vkCode, int64_t nowMs);
    void clear() { m_unmatched.clear(); }

private:
    struct Seen {
        Source source;
        int vkCode;
        int64_t atMs;
    };
    // Presses let through and not matched yet, oldest first.
    std::deque<Seen> m_unmatched;
};

#endif
