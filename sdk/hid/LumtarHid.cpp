// The C surface of the HID families.
#include "sdk/include/LumtarHid.h"

extern "C" {

int CLumtarSDK_VersionStr(char* buffer)
{
    if (!buffer)
        return -1;
    lumtarCopyField(buffer, LUMTAR_VERSION_BUFFER_SIZE, "0.0.0");
    return 0;
}

int CLumtarHid_Init(void) { return 1; }
int CLumtarLight_Init(void) { return 0; }
int CLumtarHid_OpenPath(const char*) { return 0; }
int CLumtarHid_SetNonblocking(int, int) { return -1; }
int CLumtarHid_HidReadBuff(int, unsigned char*) { return -1; }
int CLumtarHid_HidWriteBuff(int, const unsigned char*, const char*) { return -1; }
int CLumtarHid_Close(int) { return -1; }
int CLumtarHid_highPrecisionTimerInit(void*) { return -1; }
int CLumtarHid_highPrecisionTimerStart(LumtarTimerContext) { return -1; }
int CLumtarHid_highPrecisionTimerStop(LumtarTimerContext) { return -1; }
int CLumtarHid_highPrecisionTimerRuning(int, LumtarTimerContext) { return -1; }
int CLumtarHid_GetHidInfoList(std::list<std::string>*) { return -1; }
int CLumtarHid_GetHidInfoStuMapList(std::map<std::string, HidInfoStu>*) { return -1; }
bool CLumtarHid_GetHidAndFirmwareInfoStu(const char*, HidDeviceInfoStu*, FirmwareInfoStu*) { return false; }
int CLumtarHid_GetSupportInfoList(std::list<SupportInfoStu>*) { return -1; }
int CLumtarHid_RegisterHotplugCallback(LumtarHotplugCallback, void*) { return 0; }
void CLumtarHid_UnregisterHotplugCallback(int) {}
}
