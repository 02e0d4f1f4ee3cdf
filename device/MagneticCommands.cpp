#include "device/MagneticCommands.h"

#include <QtGlobal>

#include <utility>

namespace {

uint8_t byteOf(int v)
{
    return static_cast<uint8_t>(qBound(0, v, 255));
}

} // namespace

MagneticCommands::KeyBitmap MagneticCommands::keyBitmap(const QVector<QPoint> &rowColumns)
{
    KeyBitmap bitmap{};
    for (const QPoint &p : rowColumns) {
        const int row = p.x();
        const int column = p.y();
        if (row < 0 || row >= 6 || column < 0 || column >= 22)
            continue;
        bitmap[static_cast<size_t>(column)] |= static_cast<uint8_t>(1u << row);
    }
    return bitmap;
}

QVector<QPoint> MagneticCommands::positionsOf(const KeyBitmap &bitmap)
{
    QVector<QPoint> out;
    for (int column = 0; column < 22; ++column)
        for (int row = 0; row < 6; ++row)
            if (bitmap[static_cast<size_t>(column)] & (1u << row))
                out.append(QPoint(row, column));
    return out;
}

HidReportBuff MagneticCommands::report(int sub)
{
    HidReportBuff r(0x29, 0x00, 0x18);
    r[6] = byteOf(sub);
    return r;
}

static void putBitmap(HidReportBuff &r, const MagneticCommands::KeyBitmap &keys)
{
    for (size_t c = 0; c < keys.size(); ++c)
        r[7 + static_cast<int>(c)] = keys[c];
}

HidReportBuff MagneticCommands::apply(int selMode, const KeyBitmap &keys, int press, int release, int rapidPress,
                                      int rapidRelease)
{
    HidReportBuff r = report(selMode);
    putBitmap(r, keys);
    r[29] = byteOf(press);
    r[30] = byteOf(release);
    r[31] = byteOf(rapidPress);
    r[32] = byteOf(rapidRelease);
    return r;
}

HidReportBuff MagneticCommands::selectKeys(const KeyBitmap &keys)
{
    HidReportBuff r = report(SelectKeys);
    putBitmap(r, keys);
    return r;
}

HidReportBuff MagneticCommands::queryKeyTravel(int row, int column)
{
    HidReportBuff r = report(QueryKeyTravel);
    r[7] = byteOf(row);
    r[8] = byteOf(column);
    return r;
}

HidReportBuff MagneticCommands::calibrateKey(int row, int column)
{
    HidReportBuff r = report(CalibrateKey);
    r[7] = byteOf(row);
    r[8] = byteOf(column);
    return r;
}

HidReportBuff MagneticCommands::calibrateAllKeys(bool start)
{
    HidReportBuff r = report(CalibrateAllKeys);
    r[7] = start ? 0 : 1;
    return r;
}

HidReportBuff MagneticCommands::setValue(int sub, int value)
{
    HidReportBuff r = report(sub);
    r[7] = 1;
    r[8] = byteOf(value);
    return r;
}

bool MagneticCommands::normalisedDrag(int startX, int startY, int endX, int endY, int out[4])
{
    if (startX == endX && startY == endY && startX != 0 && startY != 0 && endX != 0 && endY != 0)
        return false;
    if (startX >= endX || startY >= endY) {
        if (startX > endX && startY > endY) {
            std::swap(startX, endX);
            std::swap(startY, endY);
        } else if (startX < endX && startY > endY) {
            std::swap(startY, endY);
        } else if (startX > endX && startY < endY) {
            std::swap(startX, endX);
        } else {
            startX = startY = endX = endY = 0;
        }
    }
    out[0] = startX;
    out[1] = startY;
    out[2] = endX;
    out[3] = endY;
    return true;
}
