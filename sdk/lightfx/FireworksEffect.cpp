#include "sdk/lightfx/FireworksEffect.h"

#include "sdk/lightfx/KeyGrid.h"

#include <algorithm>
#include <cmath>

namespace lumtar::lightfx {

namespace {

constexpr float kTwoPi = 6.2831853f;
// The first spark of a press stays on its key as the launch flash.
constexpr int kFlashLife = 12;

} // namespace

void FireworksEffect::press(int row, int column, LightRandom& random)
{
    const int room = kMaxSparks - kSparksPerPress;
    if (m_sparkCount > room) {
        std::move(m_sparks.begin() + (m_sparkCount - room), m_sparks.begin() + m_sparkCount, m_sparks.begin());
        m_sparkCount = room;
    }
    for (int i = 0; i < kSparksPerPress; ++i) {
        Spark s;
        s.x = static_cast<float>(column);
        s.y = static_cast<float>(row);
        s.hue = random.below(kHueTurn);
        if (i == 0) {
            s.life = kFlashLife;
        } else {
            const float angle = kTwoPi * (i + random.between(0.0f, 1.0f)) / (kSparksPerPress - 1);
            const float speed = random.between(0.15f, 0.35f);
            s.dx = speed * std::cos(angle);
            s.dy = speed * std::sin(angle);
            s.life = 24 + random.below(17);
        }
        m_sparks[m_sparkCount++] = s;
    }
}

void FireworksEffect::draw(FrameCanvas& canvas, const LightSettings& settings)
{
    int kept = 0;
    for (int i = 0; i < m_sparkCount; ++i) {
        Spark s = m_sparks[i];
        const int column = static_cast<int>(std::lround(s.x));
        const int row = static_cast<int>(std::lround(s.y));
        if (s.age >= s.life || !KeyGrid::contains(row, column))
            continue;
        const int intensity = 255 * (s.life - s.age) / s.life;
        const Rgb colour = settings.fullColour ? rainbow(s.hue) : settings.top;
        const int stage = s.age < 9 ? s.age + 1 : 0;
        canvas.lightStronger(KeyGrid::index(row, column), colour, intensity, stage);
        s.x += s.dx;
        s.y += s.dy;
        ++s.age;
        m_sparks[kept++] = s;
    }
    m_sparkCount = kept;
}

} // namespace lumtar::lightfx
