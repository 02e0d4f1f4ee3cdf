// The two lists of eleven saturated colours that keys with a preset colour
// index (0-10) are painted in.
#ifndef COLORPRESETS_H
#define COLORPRESETS_H

#include <QColor>

namespace ColorPresets {

constexpr int Count = 11;

// Hue circle from red to magenta in 30° steps.
QColor presetColorsRainbow(int index);
// Red, green, blue and magenta first, then the rainbow order without them.
QColor presetColorsPrimaryFirst(int index);

// Whether index names a preset; the colour functions return an invalid
// QColor for any other index.
constexpr bool isValidIndex(int index) { return index >= 0 && index < Count; }

} // namespace ColorPresets

#endif
