#include "sdk/lightfx/SpeedRespondEffect.h"

#include "sdk/lightfx/KeyGrid.h"

#include <algorithm>

namespace lumtar::lightfx {

void SpeedRespondEffect::press()
{
    m_fill = std::min(m_fill + kPressRows, static_cast<float>(KeyGrid::kRows));
}

void SpeedRespondEffect::draw(FrameCanvas& canvas, const LightSettings& settings)
{
    const bool fromTop = settings.direction == LightDirection_Down;
    for (int rank = 0; rank < KeyGrid::kRows; ++rank) {
        const int row = fromTop ? rank : KeyGrid::kRows - 1 - rank;
        const int intensity = weightByte(m_fill - static_cast<float>(rank));
        // Full colour: a meter from green at the first row to red at the last.
        const Rgb colour = settings.fullColour ? rainbow(512 - rank * 100) : settings.top;
        for (int column = 0; column < KeyGrid::kColumns; ++column) {
            const int key = KeyGrid::index(row, column);
            canvas.light(key, colour, intensity);
            if (column == 0)
                canvas.point(key).level = rank + 1;
        }
    }
    m_fill = std::max(0.0f, m_fill - kSinkBase - kSinkShare * m_fill);
}

} // namespace lumtar::lightfx
