#include "device/DeviceModelLists.h"

#include "sdk/include/LumtarHid.h"

namespace {

constexpr int kDefaultBatchFrames = 10;
constexpr int kDefaultSideLeds = 33;

// An unknown model: no capabilities, the usual light batch and side LEDs.
ModelCapabilitiesStu capabilitiesOf(const QString &model)
{
    ModelCapabilitiesStu capabilities{};
    if (!CLumtarHid_GetModelCapabilities(model.toUtf8().constData(), &capabilities)) {
        capabilities.lightBatchFrames = kDefaultBatchFrames;
        capabilities.sideLedCount = kDefaultSideLeds;
    }
    return capabilities;
}

} // namespace

bool DeviceModelLists::isMagneticModel(const QString &model)
{
    return capabilitiesOf(model).magnetic != 0;
}

int DeviceModelLists::lightBatchLimit(const QString &model)
{
    return capabilitiesOf(model).lightBatchFrames - 1;
}

int DeviceModelLists::sideLedCount(const QString &model)
{
    return capabilitiesOf(model).sideLedCount;
}

bool DeviceModelLists::tracksKeyboardMode(const QString &model)
{
    return capabilitiesOf(model).reportsKeyboardMode != 0;
}

bool DeviceModelLists::offersProhibitSleep(const QString &model)
{
    return capabilitiesOf(model).prohibitSleep != 0;
}
