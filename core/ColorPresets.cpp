#include "core/ColorPresets.h"

namespace ColorPresets {

namespace {

struct Rgb {
    int r, g, b;
};

const Rgb kRainbow[Count] = {
    {255, 0, 0}, {255, 128, 0}, {255, 255, 0}, {128, 255, 0}, {0, 255, 0}, {0, 255, 128},
    {0, 255, 255}, {0, 128, 255}, {0, 0, 255}, {128, 0, 255}, {255, 0, 255},
};

const Rgb kPrimaryFirst[Count] = {
    {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 0, 255}, {255, 128, 0}, {255, 255, 0},
    {128, 255, 0}, {0, 255, 128}, {0, 255, 255}, {0, 128, 255}, {128, 0, 255},
};

QColor pick(const Rgb (&table)[Count], int index)
{
    if (!isValidIndex(index))
        return QColor();
    const Rgb &c = table[index];
    return QColor(c.r, c.g, c.b, 255);
}

} // namespace

QColor presetColorsRainbow(int index) { return pick(kRainbow, index); }
QColor presetColorsPrimaryFirst(int index) { return pick(kPrimaryFirst, index); }

} // namespace ColorPresets
