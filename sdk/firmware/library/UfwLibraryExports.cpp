// The entry points of the firmware library "jl_firmware_upgrade", a
// shared library of its own that the main window loads by name.
#include "sdk/firmware/UfwUpdater.h"
#include "sdk/include/LumtarUfwLibrary.h"

#define LUMTAR_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

lumtar::firmware::UfwUpdater& updater()
{
    static lumtar::firmware::UfwUpdater instance;
    return instance;
}

} // namespace

LUMTAR_EXPORT int JL_loadUfwData(const unsigned char* image, int length)
{
    return updater().loadImage(image, length);
}

LUMTAR_EXPORT int JL_getUfwCrc(unsigned short* crc, unsigned int* value)
{
    return updater().imageCrc(crc, value);
}

LUMTAR_EXPORT int JL_getUfwPidVid(char* id, int idCapacity, char* version, int versionCapacity)
{
    return updater().imageIdentity(id, idCapacity, version, versionCapacity);
}

LUMTAR_EXPORT int JL_queryDevicePidVid(int driveLetter, char* id, int idCapacity, char* version, int versionCapacity)
{
    return updater().query(driveLetter, id, idCapacity, version, versionCapacity);
}

LUMTAR_EXPORT int JL_upgradeDevice(int driveLetter, int arg1, int arg2, JL_progress_t progress)
{
    return updater().upgrade(driveLetter, arg1, arg2, progress);
}

LUMTAR_EXPORT int JL_cancelUpgrade(void)
{
    updater().cancel();
    return JL_OK;
}
