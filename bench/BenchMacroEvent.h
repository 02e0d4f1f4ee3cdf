// A key event of a macro, as the benchmarks store them: key `code` pressed
// ("down") or released ("up") `delay` ms after the event before it.
#ifndef BENCHMACROEVENT_H
#define BENCHMACROEVENT_H

#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarRecords.h"

#include <QByteArray>

#include <cstring>

inline KeyOrMouseEventStu benchKeyEvent(int code, bool down, int delay)
{
    KeyOrMouseEventStu e;
    std::memset(&e, 0, sizeof(e));
    lumtarCopyField(e.mark, "1");
    lumtarCopyField(e.delay, QByteArray::number(delay).constData());
    lumtarCopyField(e.type, "key");
    lumtarCopyField(e.keyCode, QByteArray::number(code).constData());
    lumtarCopyField(e.codeName, "K");
    lumtarCopyField(e.operateExplain, down ? "down" : "up");
    return e;
}

#endif
