#include "ui/mainwidget/devicePage/lightDeal/LightBrightness.h"

void LightBrightness::setLevelCount(int steps)
{
    m_steps = steps > 0 ? steps : 1;
    m_step = 160 / m_steps;
}

int LightBrightness::factor(int level) const
{
    if (!isKnown())
        return 100;
    const int held = level < 1 ? 1 : (level > topLevel() ? topLevel() : level);
    return (topLevel() - held) * m_step + 100;
}

QColor LightBrightness::darken(const QColor &colour, int level) const
{
    const int f = factor(level);
    return f == 100 ? colour : colour.darker(f);
}
