// The device SDK's firmware surface: the image families of the models, the
// keyboards waiting in their HID bootloader, and writing an image into one.
// The protocol and the image layouts are written down in
// sdk/firmware/README.md. C linkage; list arguments are standard
// containers that the caller creates empty and the function fills.
#ifndef LUMTAR_FIRMWARE_H
#define LUMTAR_FIRMWARE_H

#include "sdk/include/LumtarHid.h"

#ifdef __cplusplus
#include <array>
#include <list>
#include <string>
#endif

/* The image family of one model (272 bytes). */
typedef struct FirmwareFamilyStu {
    char hidModel[128];
    int32_t format;            /* LUMTAR_IMAGE_UFW or LUMTAR_IMAGE_BIN */
    int32_t imageSize;         /* .bin: the length of every image of the family */
    int32_t infoOffset;        /* .bin: where its info string lies */
    int32_t hasBootloader;     /* 1: written through a HID bootloader */
    char fileName[64];         /* on a USB cable: "LT108HE.bin" */
    char receiverFileName[64]; /* on the 2.4 GHz receiver: "LT108HE_Dongle.bin" */
} FirmwareFamilyStu;

enum { LUMTAR_IMAGE_UFW = 1, LUMTAR_IMAGE_BIN = 2 };

/* The info string of a .bin image: at most this many bytes at the family's
 * offset, ending at the first zero byte. */
#define LUMTAR_INFO_STRING_SIZE 50
/* Its fields: chip family, two-digit code, device class, customer code,
 * model name, firmware version. */
#define LUMTAR_INFO_STRING_FIELDS 6

/* Results of CLumtarHid_FirmwareUpgrade. */
enum {
    LUMTAR_FW_OK = 0,
    LUMTAR_FW_BAD_ARGUMENT = -1,   /* unknown handle, null path, bank size <= 0, reserved != 0 */
    LUMTAR_FW_IMAGE_UNREADABLE = -2,
    LUMTAR_FW_IMAGE_INVALID = -3,  /* damaged, truncated, of no family, not whole banks */
    LUMTAR_FW_OTHER_DEVICE = -4,   /* the bootloader is another model's or target's; nothing written */
    LUMTAR_FW_NO_ANSWER = -5,      /* the bootloader stopped answering */
    LUMTAR_FW_DEVICE_GONE = -6,    /* unplugged, or the handle was closed meanwhile */
    LUMTAR_FW_REFUSED = -7,        /* the bootloader refused the image */
    LUMTAR_FW_VERIFY_FAILED = -8,  /* the bootloader did not verify the whole image */
    LUMTAR_FW_PROTOCOL = -9        /* an answer out of turn */
};

/* Progress of a write: total bytes of the image, bytes the bootloader has
 * acknowledged. Called on the writing thread. */
typedef void (*LumtarUpgradeProgress)(int total, int done);

#ifdef __cplusplus
extern "C" {

/* The image family of a model (exact name). False, with the record zeroed,
 * for a model of no family. */
bool CLumtarHid_GetFirmwareFamily(const char* model, FirmwareFamilyStu* family);

/* One record per bootloader identity of the firmware table: hidModel is the
 * model whose bootloader it is, connectType the keyboard's connection,
 * gamepadMode -1. Returns the count appended. */
int CLumtarHid_GetBootloaderIdList(std::list<SupportInfoStu>* ids);

/* Path texts of the attached HID bootloaders (any model), in the order of
 * the transports; open them with CLumtarHid_OpenPath. No device is talked
 * to. Returns the count, or -1 before CLumtarHid_Init succeeded. */
int CLumtarHid_GetBootloaderList(std::list<std::string>* paths);

/* Writes the .bin image at imagePath (local 8-bit encoding) into the
 * bootloader opened as handle. The image is checked first (its family by
 * its length, its closing CRC, whole banks of bankSize bytes); then the
 * bootloader must identify as the image's model and as the target of
 * receiverFlag (1: a 2.4 GHz receiver, 0: a keyboard) before a byte is
 * sent. Success means the bootloader verified the whole image and was told
 * to restart. reserved must be 0. Blocks the calling thread; a close of the
 * handle from another thread ends it at the next block. The handle is left
 * open. Returns LUMTAR_FW_OK or a negative LUMTAR_FW_ code. */
int CLumtarHid_FirmwareUpgrade(int handle, const char* imagePath, int bankSize, int reserved, int receiverFlag,
                               LumtarUpgradeProgress progress);
}

/* The fields of an info string: the text at zone (available bytes, at most
 * LUMTAR_INFO_STRING_SIZE of them read) up to its first zero byte, split at
 * ','. A field that is missing is empty; text after the sixth field is not
 * part of any. */
inline std::array<std::string, LUMTAR_INFO_STRING_FIELDS> lumtarInfoStringFields(const unsigned char* zone,
                                                                                size_t available)
{
    std::array<std::string, LUMTAR_INFO_STRING_FIELDS> fields;
    const size_t n = available < LUMTAR_INFO_STRING_SIZE ? available : LUMTAR_INFO_STRING_SIZE;
    size_t field = 0;
    for (size_t i = 0; zone && i < n && zone[i] != 0; ++i) {
        if (zone[i] == ',') {
            if (++field == LUMTAR_INFO_STRING_FIELDS)
                break;
            continue;
        }
        fields[field].push_back(static_cast<char>(zone[i]));
    }
    return fields;
}

static_assert(sizeof(FirmwareFamilyStu) == 272, "FirmwareFamilyStu layout");
#endif /* __cplusplus */

#endif
