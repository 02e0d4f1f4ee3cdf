// The reports of the magnetic-switch command 0x29 and its key bitmap: byte
// c for matrix column c (0..21), bit r for row r (0..5). Pure functions of
// their arguments.
#ifndef MAGNETICCOMMANDS_H
#define MAGNETICCOMMANDS_H

#include <QPoint>
#include <QRect>
#include <QVector>

#include <array>
#include <cstdint>

#include "device/HidReportBuff.h"

class MagneticCommands
{
public:
    using KeyBitmap = std::array<uint8_t, 22>;

    // Sub-commands of 0x29 that are not an apply (an apply carries its
    // travel mode in the same byte).
    enum Sub {
        SelectKeys = 2,
        LeaveTriggerPage = 3,
        QueryMaxTravel = 4,
        QueryKeyTravel = 5,
        DefaultTravel = 6,
        CalibrateKey = 7,
        CalibrateAllKeys = 8,
        ReportRate = 9,
        AntiShake = 10
    };

    // The bitmap of key positions given as (x = row, y = column); positions
    // outside the 6 x 22 matrix are left out.
    static KeyBitmap keyBitmap(const QVector<QPoint> &rowColumns);
    // The positions a bitmap marks, column by column, rows upwards.
    static QVector<QPoint> positionsOf(const KeyBitmap &bitmap);

    // A bare 0x29 report with its sub-command.
    static HidReportBuff report(int sub);
    // Travel of the marked keys: [6] mode, [7..28] bitmap, [29..32] press,
    // release, rapid press, rapid release (0.1 mm, each clamped to a byte).
    static HidReportBuff apply(int selMode, const KeyBitmap &keys, int press, int release, int rapidPress,
                               int rapidRelease);
    static HidReportBuff selectKeys(const KeyBitmap &keys);
    static HidReportBuff queryKeyTravel(int row, int column);
    static HidReportBuff calibrateKey(int row, int column);
    static HidReportBuff calibrateAllKeys(bool start);
    // Report rate (9) or anti-shake (10) set to a value.
    static HidReportBuff setValue(int sub, int value);

    // The drag rectangle from its start and end points, top-left to
    // bottom-right; a drag with an equal x or an equal y becomes the empty
    // rectangle (0, 0, 0, 0). Returns false for a click (the same point,
    // none of the numbers 0): nothing is to be selected.
    static bool normalisedDrag(int startX, int startY, int endX, int endY, int out[4]);
};

#endif
