#include "ui/firmware/ReadableColor.h"

#include "widgets/ThemeColorText.h"

namespace ReadableColor {

namespace {

constexpr int kSteps = 50;

QColor blend(const QColor &from, const QColor &to, int step)
{
    const double t = double(step) / kSteps;
    const auto mix = [t](int a, int b) { return qRound(a + (b - a) * t); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

// The smallest step towards target that reaches the ratio; -1 when none does.
int stepsTowards(const QColor &background, const QColor &preferred, const QColor &target, double ratio)
{
    for (int step = 1; step <= kSteps; ++step)
        if (contrastRatio(blend(preferred, target, step), background) >= ratio)
            return step;
    return -1;
}

} // namespace

QColor against(const QColor &background, const QColor &preferred, double ratio)
{
    const QColor opaque(preferred.red(), preferred.green(), preferred.blue());
    if (contrastRatio(opaque, background) >= ratio)
        return opaque;
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const int darker = stepsTowards(background, opaque, black, ratio);
    const int lighter = stepsTowards(background, opaque, white, ratio);
    if (darker < 0 && lighter < 0)
        return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
    if (lighter < 0 || (darker >= 0 && darker <= lighter))
        return blend(opaque, black, darker);
    return blend(opaque, white, lighter);
}

} // namespace ReadableColor
