// The device SDK's HID surface: start-up and version, HID I/O, the
// high-precision timer, device information and the hot-plug callback of the
// simulated keyboards. C linkage; the list and map arguments are standard
// containers that the caller creates empty and the function fills.
//
// Device path text
// ----------------
// Every interface path the SDK hands out reads
//     "hid#vid_VVVV&pid_PPPP&mi_NN#<os path>"
// with VVVV, PPPP the vendor and product id in four lower-case hex digits,
// NN the USB interface number in two decimal digits and <os path> the
// hidraw node ("/dev/hidraw3") or, for a simulated keyboard, "sim/<n>".
// Callers may search it for vendor/product pairs and for the gamepad-mode
// product ids "7472" (gamepad off), "7473" (Xbox360) and "7474" (Classical).
//
// Threads
// -------
// A handle is read and written by one thread at a time; open and close may
// come from another thread. Closing a handle while a read or write on it is
// under way is safe: the transfer finishes (or fails) and the device is then
// released. Every other call may come from any thread.
#ifndef LUMTAR_HID_H
#define LUMTAR_HID_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#include <list>
#include <map>
#include <string>
#endif

/* One attached device interface (656 bytes). */
typedef struct HidDeviceInfoStu {
    int32_t vendorId;
    int32_t productId;
    char hidPath[256];        /* the path text as the path list gives it */
    char manufacturer[64];
    char product[64];
    char hidModel[128];       /* model name, key of the model map */
    char firmwareText[128];   /* firmware version text of the device */
    int32_t interfaceNumber;
    int32_t connectType;      /* 0 USB cable, 1 2.4 GHz receiver */
} HidDeviceInfoStu;

/* The firmware identity of one attached device (832 bytes). */
typedef struct FirmwareInfoStu {
    char chipFamily[64];
    char chipCode[64];        /* the two-digit code */
    char deviceClass[64];
    char customerCode[64];
    char model[128];
    char firmwareVersion[64]; /* "V1.00.06" */
    char dateTime[384];
} FirmwareInfoStu;

/* The information of one supported model (532 bytes), the mapped value of
 * the model map. */
typedef struct HidInfoStu {
    char deviceKind[128];     /* "keyboard" */
    int32_t modelValue1;
    int32_t modelValue2;
    int32_t modelValue3;
    int32_t modelValue4;
    char hidModel[128];
    int32_t keyCount;
    char productName[128];
    char likeName[128];
} HidInfoStu;

/* One supported vendor/product id pair, one per connection and gamepad
 * mode of every model (304 bytes). The id texts are four lower-case hex
 * digits. */
typedef struct SupportInfoStu {
    char hidModel[128];
    char vendorId[16];
    char productId[16];
    char productName[128];
    int32_t connectType;      /* 0 USB cable, 1 2.4 GHz receiver */
    int32_t gamepadMode;      /* -1 none, 0 off, 1 Xbox360, 2 Classical */
    int32_t interfaceNumber;
    int32_t usagePage;        /* 0: any */
} SupportInfoStu;

/* What the program needs to know of one supported model (20 bytes). */
typedef struct ModelCapabilitiesStu {
    int32_t magnetic;            /* 1: magnetic (Hall-effect) switches */
    int32_t sideLightSegments;   /* 0: no side light */
    int32_t lightBatchFrames;    /* streamed light frames sent as one batch */
    int32_t reportsKeyboardMode; /* 1: its status report carries the keyboard mode */
    int32_t sideLedCount;        /* side LEDs a streamed light frame carries */
    int32_t prohibitSleep;       /* 1: the user may keep the keyboard from sleeping */
} ModelCapabilitiesStu;

/* The application's record of one listed keyboard (1116 bytes). Text fields
 * are NUL-terminated; a longer source is cut to the field's width less one
 * byte (lumtarCopyField). */
typedef struct hidStructInfoAll {
    char deviceKind[64];
    char hidPath[256];
    char hidModel[128];
    char productName[128];
    char likeName[128];
    char firmwareVersion[64];
    char chipFamily[128];
    char chipCode[64];
    char customerCode[64];
    int32_t isOnline;
    int32_t connectType;
    int32_t modelValue1;
    int32_t modelValue2;
    int32_t modelValue3;
    int32_t modelValue4;
    int32_t keyCount;
    char newFirmwareVersion[64];
} hidStructInfoAll;

/* Connection kinds and gamepad modes. */
enum { LUMTAR_CONNECT_USB = 0, LUMTAR_CONNECT_RECEIVER = 1 };
enum {
    LUMTAR_GAMEPAD_NONE = -1,
    LUMTAR_GAMEPAD_DISABLED = 0,
    LUMTAR_GAMEPAD_XBOX360 = 1,
    LUMTAR_GAMEPAD_CLASSICAL = 2
};

/* Size of one HID report in either direction. */
#define LUMTAR_REPORT_SIZE 64
/* Size of the buffer CLumtarSDK_VersionStr writes into. */
#define LUMTAR_VERSION_BUFFER_SIZE 1024

/* The 8-byte context of the high-precision timer, passed by value after
 * CLumtarHid_highPrecisionTimerInit filled it. */
typedef uint64_t LumtarTimerContext;

/* Arrival (arrived = 1) or removal (arrived = 0) of a simulated device; path
 * is its path text, valid during the call only. Called on the thread that
 * plugged or unplugged the device, or on the simulator's thread when the
 * device dropped off by itself (gamepad-mode switch, bootloader entry); a
 * receiver that needs the GUI thread queues the event itself. A platform
 * notifier subscribes here beside its udev monitor so that simulated and
 * real hot-plug reach the same handler. */
typedef void (*LumtarHotplugCallback)(int arrived, const char* path, void* user);

#ifdef __cplusplus
extern "C" {
#endif

/* ---- start-up and version ------------------------------------------- */

/* Writes the SDK's NUL-terminated version text into buffer, which holds
 * LUMTAR_VERSION_BUFFER_SIZE bytes. Returns 0, or -1 for a null buffer. */
int CLumtarSDK_VersionStr(char* buffer);

/* Reads the supported-device table (the file "lumtar-devices.json" beside
 * the program when one is there, else the built-in table) and plugs the
 * simulated keyboards named in LUMTAR_SIMULATED_DEVICES (comma-separated
 * model names, optionally "model@receiver", or "model@gamepad1" and
 * "model@gamepad2" for a cable keyboard started in that gamepad mode). Returns 0 when ready, 1 when
 * the table cannot be read. Calling it again returns the first result. */
int CLumtarHid_Init(void);

/* ---- HID I/O --------------------------------------------------------- */

/* Opens the interface given by its path text. Returns a handle > 0, or 0
 * when the path is unknown, the device is gone or may not be opened. */
int CLumtarHid_OpenPath(const char* path);

/* nonblock 1: a read never waits; 0: a read waits for a report. Returns 0,
 * or -1 for an unknown handle. */
int CLumtarHid_SetNonblocking(int handle, int nonblock);

/* Copies one input report into buffer (64 bytes) and returns the count of
 * bytes the device delivered (1..64); the bytes past the count are zero.
 * Returns 0 when no report is pending, -1 when the handle is unknown or the
 * device is gone (the buffer is then all zero). */
int CLumtarHid_HidReadBuff(int handle, unsigned char* buffer);

/* Sends one 64-byte output report, all 64 bytes as given (byte 0 is data;
 * the report id 0 goes before it). path is the handle's path text (may be
 * null; it is not used to find the device). Returns 64, or -1 on failure. */
int CLumtarHid_HidWriteBuff(int handle, const unsigned char* report, const char* path);

/* Releases the handle. Returns 0, or -1 for an unknown handle. */
int CLumtarHid_Close(int handle);

/* ---- high-precision timer -------------------------------------------- */

/* Fills the 8-byte context at context. Returns 0, -1 for a null pointer. */
int CLumtarHid_highPrecisionTimerInit(void* context);
/* Start and stop the timer of a context. Return 0, or -1 when the context
 * was never initialised (or is stopped already, for Stop). */
int CLumtarHid_highPrecisionTimerStart(LumtarTimerContext context);
int CLumtarHid_highPrecisionTimerStop(LumtarTimerContext context);
/* Length of one unit of the timer's wait interval, in microseconds. */
#define LUMTAR_TIMER_UNIT_US 25

/* Blocks the calling thread for interval units (100: 2.5 ms; at least one
 * unit, at most one second), sleeping, not spinning, or until another thread
 * wakes the context. Returns 0, or -1 when the context is not started (it
 * has waited all the same). */
int CLumtarHid_highPrecisionTimerRuning(int interval, LumtarTimerContext context);
/* Ends the context's wait under way at once, or else its next wait. Any
 * thread may call it. Returns 0, or -1 for a context never initialised or
 * stopped (a stop also ends the wait under way). */
int CLumtarHid_highPrecisionTimerWake(LumtarTimerContext context);

/* The wait of an idle I/O thread: blocks until an input report is pending on
 * handle (or its device is gone), another thread wakes the context, or
 * interval units passed (at most one second; a negative interval: no
 * limit). Returns 1 when a read will not wait (a report, or the device gone),
 * 0 when woken or the interval passed, -1 for an unknown handle (then it
 * does not wait). */
int CLumtarHid_HidWaitInput(int handle, int interval, LumtarTimerContext context);

#ifdef __cplusplus
} /* extern "C" */

/* ---- device information (C linkage, C++ containers) -------------------- */
extern "C" {
/* Fills the path texts of the attached supported interfaces: real devices
 * in the system's order, then simulated ones in plug order. Returns the
 * count, or -1 before CLumtarHid_Init succeeded. */
int CLumtarHid_GetHidInfoList(std::list<std::string>* paths);

/* Fills the model information of every supported model, keyed by model
 * name. Returns the count, or -1 before CLumtarHid_Init succeeded. */
int CLumtarHid_GetHidInfoStuMapList(std::map<std::string, HidInfoStu>* models);

/* Fills the capabilities of the model of this name from the device table
 * (read on first use, also before CLumtarHid_Init). Returns false, the
 * record zeroed, for a name the table does not hold. */
bool CLumtarHid_GetModelCapabilities(const char* model, ModelCapabilitiesStu* capabilities);

/* Fills both records for the attached interface with this path text.
 * Returns false (both records zeroed) when the path is not attached or
 * not supported. */
bool CLumtarHid_GetHidAndFirmwareInfoStu(const char* path, HidDeviceInfoStu* device,
                                         FirmwareInfoStu* firmware);

/* Appends one record per supported vendor/product pair, in table order.
 * Returns the count appended, or -1 before CLumtarHid_Init succeeded. */
int CLumtarHid_GetSupportInfoList(std::list<SupportInfoStu>* supported);

/* Fills the path texts of attached supported interfaces that the user may
 * not open (no udev rule for them yet). Returns the count, or -1 before
 * CLumtarHid_Init succeeded. The generated "70-lumtar.rules" beside the
 * program grants the access once installed in /etc/udev/rules.d. */
int CLumtarHid_GetInaccessibleList(std::list<std::string>* paths);

/* ---- hot-plug of simulated devices ------------------------------------ */

/* Registers a callback; returns its id (> 0), or 0 for a null callback. */
int CLumtarHid_RegisterHotplugCallback(LumtarHotplugCallback callback, void* user);
/* Removes it; when this returns, the callback is not running and will not
 * be called again. */
void CLumtarHid_UnregisterHotplugCallback(int id);
}

/* ---- record helpers -------------------------------------------------- */

/* Copies src into a field of capacity bytes, cut to capacity - 1 bytes and
 * always NUL-terminated; the rest of the field is zeroed. */
inline void lumtarCopyField(char* dst, size_t capacity, const char* src)
{
    if (!dst || capacity == 0)
        return;
    size_t n = 0;
    if (src)
        while (n + 1 < capacity && src[n] != '\0')
            ++n;
    for (size_t i = 0; i < n; ++i)
        dst[i] = src[i];
    for (size_t i = n; i < capacity; ++i)
        dst[i] = '\0';
}

template <size_t N>
inline void lumtarCopyField(char (&dst)[N], const char* src)
{
    lumtarCopyField(dst, N, src);
}

/* The offline placeholder of a model without an attached device. */
inline hidStructInfoAll lumtarPlaceholderRecord(const HidInfoStu& model)
{
    hidStructInfoAll r = {};
    lumtarCopyField(r.deviceKind, model.deviceKind);
    lumtarCopyField(r.productName, model.productName);
    lumtarCopyField(r.likeName, model.likeName);
    lumtarCopyField(r.hidModel, model.hidModel);
    r.modelValue1 = model.modelValue1;
    r.modelValue2 = model.modelValue2;
    r.modelValue3 = model.modelValue3;
    r.modelValue4 = model.modelValue4;
    r.keyCount = model.keyCount;
    return r;
}

/* The record of one attached device, built from the SDK's three records. */
inline hidStructInfoAll lumtarDeviceRecord(const HidDeviceInfoStu& device, const FirmwareInfoStu& firmware,
                                           const HidInfoStu& model)
{
    hidStructInfoAll r = lumtarPlaceholderRecord(model);
    lumtarCopyField(r.hidPath, device.hidPath);
    lumtarCopyField(r.hidModel, device.hidModel);
    r.connectType = device.connectType;
    lumtarCopyField(r.firmwareVersion, firmware.firmwareVersion);
    lumtarCopyField(r.chipFamily, firmware.chipFamily);
    lumtarCopyField(r.chipCode, firmware.chipCode);
    lumtarCopyField(r.customerCode, firmware.customerCode);
    r.isOnline = device.connectType == LUMTAR_CONNECT_USB ? 1 : 0;
    return r;
}

static_assert(sizeof(HidDeviceInfoStu) == 656, "HidDeviceInfoStu layout");
static_assert(offsetof(HidDeviceInfoStu, hidPath) == 8, "HidDeviceInfoStu layout");
static_assert(offsetof(HidDeviceInfoStu, hidModel) == 392, "HidDeviceInfoStu layout");
static_assert(offsetof(HidDeviceInfoStu, connectType) == 652, "HidDeviceInfoStu layout");
static_assert(sizeof(FirmwareInfoStu) == 832, "FirmwareInfoStu layout");
static_assert(offsetof(FirmwareInfoStu, chipCode) == 64, "FirmwareInfoStu layout");
static_assert(offsetof(FirmwareInfoStu, customerCode) == 192, "FirmwareInfoStu layout");
static_assert(offsetof(FirmwareInfoStu, firmwareVersion) == 384, "FirmwareInfoStu layout");
static_assert(sizeof(HidInfoStu) == 532, "HidInfoStu layout");
static_assert(offsetof(HidInfoStu, modelValue1) == 128, "HidInfoStu layout");
static_assert(offsetof(HidInfoStu, hidModel) == 144, "HidInfoStu layout");
static_assert(offsetof(HidInfoStu, keyCount) == 272, "HidInfoStu layout");
static_assert(offsetof(HidInfoStu, productName) == 276, "HidInfoStu layout");
static_assert(offsetof(HidInfoStu, likeName) == 404, "HidInfoStu layout");
static_assert(offsetof(SupportInfoStu, vendorId) == 128, "SupportInfoStu layout");
static_assert(offsetof(SupportInfoStu, productId) == 144, "SupportInfoStu layout");
static_assert(sizeof(SupportInfoStu) == 304, "SupportInfoStu layout");
static_assert(sizeof(hidStructInfoAll) == 1116, "hidStructInfoAll layout");
static_assert(offsetof(hidStructInfoAll, hidPath) == 64, "hidStructInfoAll layout");
static_assert(offsetof(hidStructInfoAll, isOnline) == 1024, "hidStructInfoAll layout");
static_assert(offsetof(hidStructInfoAll, keyCount) == 1048, "hidStructInfoAll layout");
static_assert(offsetof(hidStructInfoAll, newFirmwareVersion) == 1052, "hidStructInfoAll layout");
#endif /* __cplusplus */

#endif
