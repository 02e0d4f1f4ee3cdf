// Speed of the light-effect engine: one step as the lighting engine runs it
// on every tick, i.e. a keyboard frame whose callback asks for all 132 keys'
// mixed colours, plus a 60-point side frame. Every keyboard mode (full
// colour off and on) is measured with every side mode, a key pressed every
// 5 steps; the figure is the median time of one step.
//
// Target: under 20 microseconds per step for every mode.
#include "sdk/include/LumtarLight.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWarmUpSteps = 300;
constexpr int kMeasuredSteps = 3000;
constexpr int kPressEvery = 5;
constexpr int kSideSegments = 60;

volatile int g_sink = 0;

void keyboardFrame(const LightFramePointStu *points)
{
    int sum = points[0].intensity;
    for (int row = 0; row < LUMTAR_LIGHT_ROWS; ++row) {
        for (int column = 0; column < LUMTAR_LIGHT_COLUMNS; ++column)
            sum += CLumtarHid_lightColorMix(row, column).g;
    }
    g_sink = sum;
}

void sideFrame(const LightFramePointStu *points)
{
    g_sink = points[0].intensity;
}

colorInfoData record(int kind, int mode, int full)
{
    const int direction = kind == LUMTAR_LIGHT_KIND_KEYBOARD && (mode == LightMode_Radar || mode == LightMode_Snake
                                                                 || mode == LightMode_Striation)
                              ? LightDirection_CW
                              : LightDirection_Dispersion;
    return { kind, mode, 3, 3, 255, 0, 0, 0, 0, 40, direction, full, 0, 0 };
}

// Median microseconds of one step.
double measure(int keyboardMode, int full, int sideMode)
{
    CLumtarHid_SetKeyboardColorInfoDataStu(record(LUMTAR_LIGHT_KIND_KEYBOARD, keyboardMode, full), 1, "LT108HE", 1);
    CLumtarHid_SetSideColorInfoDataStu(record(LUMTAR_LIGHT_KIND_SIDE, sideMode, full), kSideSegments,
                                       std::vector<int>(kSideSegments, 1));
    std::vector<double> times;
    times.reserve(kMeasuredSteps);
    for (int step = 0; step < kWarmUpSteps + kMeasuredSteps; ++step) {
        const Clock::time_point start = Clock::now();
        if (step % kPressEvery == 0)
            CLumtarHid_keyClickedSendXY(step / kPressEvery % LUMTAR_LIGHT_ROWS, step * 7 % LUMTAR_LIGHT_COLUMNS);
        CLumtarHid_keyboardLightColorRuning(&keyboardFrame);
        CLumtarHid_sideLightColorRuning(&sideFrame);
        const Clock::time_point end = Clock::now();
        if (step >= kWarmUpSteps)
            times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

} // namespace

int main()
{
    CLumtarLight_Init();
    const int keyboardModes[] = { LightMode_Static,   LightMode_Breath,       LightMode_Wave,       LightMode_Neon,
                                  LightMode_Radar,    LightMode_Snake,        LightMode_Reactive,   LightMode_Aurora,
                                  LightMode_Ripple,   LightMode_Twinkle,      LightMode_Cross,      LightMode_SpeedRespond,
                                  LightMode_AutoRipple, LightMode_Striation,  LightMode_Fireworks };
    std::printf("light effects: median us per step (keyboard frame + 132 mixed colours + side frame), "
                "a press every %d steps; target < 20 us\n",
                kPressEvery);
    std::printf("%-14s %-5s", "keyboard mode", "full");
    for (int side = SideLightMode_Static; side <= SideLightMode_Close; ++side)
        std::printf("  side %d", side);
    std::printf("\n");
    double worst = 0;
    int worstMode = 0, worstFull = 0, worstSide = 0;
    for (int mode : keyboardModes) {
        for (int full = 0; full <= 1; ++full) {
            std::printf("%-14d %-5s", mode, full ? "on" : "off");
            for (int side = SideLightMode_Static; side <= SideLightMode_Close; ++side) {
                const double us = measure(mode, full, side);
                std::printf("  %6.2f", us);
                if (us > worst) {
                    worst = us;
                    worstMode = mode;
                    worstFull = full;
                    worstSide = side;
                }
            }
            std::printf("\n");
        }
    }
    std::printf("worst: keyboard mode %d, full colour %s, side mode %d: %.2f us per step (target < 20 us)\n",
                worstMode, worstFull ? "on" : "off", worstSide, worst);
    return 0;
}
