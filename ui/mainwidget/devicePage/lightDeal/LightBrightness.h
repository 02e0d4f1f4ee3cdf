// How a light's brightness level darkens its previews. A light of L steps
// (0 counts as 1) has levels 1..L + 1: the top level leaves a colour as it
// is and each level below darkens it by another 160 / L percent (QColor's
// darker factor 100 + (L + 1 - level) * step). A level outside 1..L + 1 is
// held at the nearest end; before the light's steps are known nothing is
// darkened.
#ifndef LIGHTBRIGHTNESS_H
#define LIGHTBRIGHTNESS_H

#include <QColor>

class LightBrightness
{
public:
    // The step before the first setLevelCount.
    static constexpr int InitialStep = 22;

    void setLevelCount(int steps);
    bool isKnown() const { return m_steps > 0; }
    int step() const { return m_step; }
    int topLevel() const { return m_steps + 1; }

    // The darker factor of a level (100: unchanged).
    int factor(int level) const;
    QColor darken(const QColor &colour, int level) const;

private:
    int m_steps = 0;
    int m_step = InitialStep;
};

#endif
