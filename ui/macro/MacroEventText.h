// A macro event record from the editor's texts and back: the caption as
// UTF-8, the other five fields as Latin-1, each cut to fit its field.
#ifndef MACROEVENTTEXT_H
#define MACROEVENTTEXT_H

#include <QString>

#include <cstring>

#include "device/RecordFieldText.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarRecords.h"

inline KeyOrMouseEventStu macroEventRecord(const QString &mark, const QString &delay, const QString &type,
                                           const QString &keyCode, const QString &codeName,
                                           const QString &operateExplain)
{
    KeyOrMouseEventStu e;
    std::memset(&e, 0, sizeof e);
    lumtarCopyField(e.mark, mark.toLatin1().constData());
    lumtarCopyField(e.delay, delay.toLatin1().constData());
    lumtarCopyField(e.type, type.toLatin1().constData());
    lumtarCopyField(e.keyCode, keyCode.toLatin1().constData());
    lumtarCopyField(e.codeName, codeName.toUtf8().constData());
    lumtarCopyField(e.operateExplain, operateExplain.toLatin1().constData());
    return e;
}

template <size_t N>
inline QString macroLatin1Field(const char (&field)[N])
{
    return QString::fromLatin1(recordFieldText(field));
}

inline QString macroCodeName(const KeyOrMouseEventStu &e)
{
    return QString::fromUtf8(recordFieldText(e.codeName));
}

#endif
