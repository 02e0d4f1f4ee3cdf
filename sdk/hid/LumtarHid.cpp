// The C surface of the HID families: thin shims over HidManager.
#include "sdk/include/LumtarHid.h"

#include "sdk/hid/HidManager.h"
#include "sdk/hid/HighPrecisionTimer.h"
#include "sdk/hid/HotplugNotifier.h"
#include "sdk/hid/SupportRecord.h"

#include <cstdio>
#include <cstring>

#ifndef LUMTAR_SDK_VERSION
#define LUMTAR_SDK_VERSION "0.0.0"
#endif

using lumtar::HidManager;

namespace {

LumtarTimerContext toContext(uint64_t id)
{
    return static_cast<LumtarTimerContext>(id);
}

} // namespace

extern "C" {

int CLumtarSDK_VersionStr(char* buffer)
{
    if (!buffer)
        return -1;
    lumtarCopyField(buffer, LUMTAR_VERSION_BUFFER_SIZE, "LumtarSDK " LUMTAR_SDK_VERSION);
    return 0;
}

int CLumtarHid_Init(void)
{
    return HidManager::instance().init();
}

int CLumtarHid_OpenPath(const char* path)
{
    if (!path)
        return 0;
    return HidManager::instance().open(path);
}

int CLumtarHid_SetNonblocking(int handle, int nonblock)
{
    return HidManager::instance().setNonblocking(handle, nonblock != 0);
}

int CLumtarHid_HidReadBuff(int handle, unsigned char* buffer)
{
    return HidManager::instance().read(handle, buffer);
}

int CLumtarHid_HidWriteBuff(int handle, const unsigned char* report, const char* /*path*/)
{
    return HidManager::instance().write(handle, report);
}

int CLumtarHid_HidWaitInput(int handle, int interval, LumtarTimerContext context)
{
    return HidManager::instance().waitInput(handle, interval < 0 ? lumtar::HighPrecisionTimer::kNoLimit : interval,
                                            context);
}

int CLumtarHid_Close(int handle)
{
    return HidManager::instance().close(handle);
}

int CLumtarHid_highPrecisionTimerInit(void* context)
{
    if (!context)
        return -1;
    const LumtarTimerContext c = toContext(lumtar::HighPrecisionTimer::instance().create());
    std::memcpy(context, &c, sizeof c);
    return 0;
}

int CLumtarHid_highPrecisionTimerStart(LumtarTimerContext context)
{
    return lumtar::HighPrecisionTimer::instance().start(context) ? 0 : -1;
}

int CLumtarHid_highPrecisionTimerStop(LumtarTimerContext context)
{
    return lumtar::HighPrecisionTimer::instance().stop(context) ? 0 : -1;
}

int CLumtarHid_highPrecisionTimerRuning(int interval, LumtarTimerContext context)
{
    return lumtar::HighPrecisionTimer::instance().wait(interval, context) ? 0 : -1;
}

int CLumtarHid_highPrecisionTimerWake(LumtarTimerContext context)
{
    return lumtar::HighPrecisionTimer::instance().wake(context) ? 0 : -1;
}

int CLumtarHid_GetHidInfoList(std::list<std::string>* paths)
{
    if (!paths || !HidManager::instance().isReady())
        return -1;
    int n = 0;
    for (const lumtar::AttachedDevice& a : HidManager::instance().attached()) {
        paths->push_back(a.pathText);
        ++n;
    }
    return n;
}

int CLumtarHid_GetHidInfoStuMapList(std::map<std::string, HidInfoStu>* models)
{
    if (!models || !HidManager::instance().isReady())
        return -1;
    int n = 0;
    for (const lumtar::DeviceModel& m : HidManager::instance().table().models()) {
        HidInfoStu info = {};
        lumtarCopyField(info.deviceKind, m.kind.c_str());
        info.modelValue1 = m.modelValues[0];
        info.modelValue2 = m.modelValues[1];
        info.modelValue3 = m.modelValues[2];
        info.modelValue4 = m.modelValues[3];
        lumtarCopyField(info.hidModel, m.model.c_str());
        info.keyCount = m.keyCount;
        lumtarCopyField(info.productName, m.productName.c_str());
        lumtarCopyField(info.likeName, m.likeName.c_str());
        (*models)[m.model] = info;
        ++n;
    }
    return n;
}

bool CLumtarHid_GetModelCapabilities(const char* model, ModelCapabilitiesStu* capabilities)
{
    if (!capabilities)
        return false;
    std::memset(capabilities, 0, sizeof *capabilities);
    const lumtar::DeviceModel* m = model ? HidManager::instance().table().findModel(model) : nullptr;
    if (!m)
        return false;
    capabilities->magnetic = m->magnetic ? 1 : 0;
    capabilities->sideLightSegments = m->sideLightSegments;
    capabilities->lightBatchFrames = m->lightBatchFrames;
    capabilities->reportsKeyboardMode = m->reportsKeyboardMode ? 1 : 0;
    capabilities->sideLedCount = m->sideLedCount;
    capabilities->prohibitSleep = m->prohibitSleep ? 1 : 0;
    return true;
}

bool CLumtarHid_GetHidAndFirmwareInfoStu(const char* path, HidDeviceInfoStu* device, FirmwareInfoStu* firmware)
{
    if (device)
        std::memset(device, 0, sizeof *device);
    if (firmware)
        std::memset(firmware, 0, sizeof *firmware);
    if (!path || !device || !firmware)
        return false;
    for (const lumtar::AttachedDevice& a : HidManager::instance().attached()) {
        if (a.pathText != path)
            continue;
        device->vendorId = a.endpoint.vendorId;
        device->productId = a.endpoint.productId;
        lumtarCopyField(device->hidPath, a.pathText.c_str());
        lumtarCopyField(device->manufacturer, a.endpoint.manufacturer.c_str());
        lumtarCopyField(device->product, a.endpoint.product.c_str());
        lumtarCopyField(device->hidModel, a.model->model.c_str());
        lumtarCopyField(device->firmwareText, a.endpoint.firmwareVersion.c_str());
        device->interfaceNumber = a.endpoint.interfaceNumber;
        device->connectType = a.ids.connectType;

        lumtarCopyField(firmware->chipFamily, a.model->chipFamily.c_str());
        lumtarCopyField(firmware->chipCode, a.model->chipCode.c_str());
        lumtarCopyField(firmware->deviceClass, a.model->deviceClass.c_str());
        lumtarCopyField(firmware->customerCode, a.model->customerCode.c_str());
        lumtarCopyField(firmware->model, a.model->model.c_str());
        lumtarCopyField(firmware->firmwareVersion, a.endpoint.firmwareVersion.c_str());
        lumtarCopyField(firmware->dateTime, a.endpoint.firmwareDate.c_str());
        return true;
    }
    return false;
}

int CLumtarHid_GetSupportInfoList(std::list<SupportInfoStu>* supported)
{
    if (!supported || !HidManager::instance().isReady())
        return -1;
    int n = 0;
    for (const lumtar::DeviceModel& m : HidManager::instance().table().models()) {
        for (const lumtar::DeviceIds& ids : m.ids) {
            SupportInfoStu s = lumtar::supportRecord(m.model, ids.vendorId, ids.productId, ids.connectType);
            lumtarCopyField(s.productName, m.productName.c_str());
            s.gamepadMode = ids.gamepadMode;
            s.interfaceNumber = m.reportInterface;
            s.usagePage = m.usagePage;
            supported->push_back(s);
            ++n;
        }
    }
    return n;
}

int CLumtarHid_GetInaccessibleList(std::list<std::string>* paths)
{
    if (!paths || !HidManager::instance().isReady())
        return -1;
    int n = 0;
    for (const std::string& p : HidManager::instance().inaccessible()) {
        paths->push_back(p);
        ++n;
    }
    return n;
}

int CLumtarHid_RegisterHotplugCallback(LumtarHotplugCallback callback, void* user)
{
    return lumtar::HotplugNotifier::instance().add(callback, user);
}

void CLumtarHid_UnregisterHotplugCallback(int id)
{
    lumtar::HotplugNotifier::instance().remove(id);
}
}
