// A theme colour moved just far enough towards black or white to stand out
// from what lies behind it by a contrast ratio (contrastRatio of
// widgets/ThemeColorText.h); a colour that does already is kept as it is,
// so the theme's hue stays where it can.
#ifndef READABLECOLOR_H
#define READABLECOLOR_H

#include <QColor>

namespace ReadableColor {

// Text against its background.
constexpr double kText = 4.5;
// A filled shape (a progress bar's filled part) against its groove.
constexpr double kShape = 3.0;

// preferred when it reaches the ratio against background; otherwise
// preferred blended towards black or white, whichever needs the smaller
// step; the better of the two when neither reaches it. Opaque.
QColor against(const QColor &background, const QColor &preferred, double ratio);

} // namespace ReadableColor

#endif
