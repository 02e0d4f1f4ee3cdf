#include "ui/mainwidget/devicePage/lightDeal/LightSpeedTable.h"

namespace {

constexpr int kFiveSteps[5] = { 28, 24, 16, 12, 8 };
constexpr int kTenSteps[10] = { 28, 26, 24, 22, 20, 17, 14, 12, 10, 8 };

int interval(int tableSize, int speedIndex)
{
    const int held = speedIndex < 0 ? 0 : (speedIndex >= tableSize ? tableSize - 1 : speedIndex);
    return tableSize == 10 ? kTenSteps[held] : kFiveSteps[held];
}

} // namespace

int LightSpeedTable::keyboardInterval(int speedLevelCount, int speedIndex)
{
    return interval(keyboardTableSize(speedLevelCount), speedIndex);
}

int LightSpeedTable::sideInterval(int speedLevelCount, int speedIndex)
{
    return interval(sideTableSize(speedLevelCount), speedIndex);
}
