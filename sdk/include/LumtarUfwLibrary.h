// The firmware library of the .ufw family ("jl_firmware_upgrade", loaded by
// name at run time): it examines .ufw images and writes them into a
// keyboard that shows up, in its update mode, as a removable volume. The
// volumes are named by drive letters 'A'..'Z', given in a fixed order (see
// sdk/firmware/README.md). C linkage, the calling convention of the
// platform.
//
// One image is loaded at a time; a write keeps the image loaded when it
// started, whatever is loaded while it runs. Writes run one after another;
// the other calls never wait for a write. The calls may come from any
// thread. A volume is only ever read and written as regular files of its
// own: one with a link, a FIFO or a folder under the names of the update
// files is refused (JL_ERR_VOLUME) and nothing is written.
#ifndef LUMTAR_UFW_LIBRARY_H
#define LUMTAR_UFW_LIBRARY_H

/* Results. The program shows a result r as the text "Error r". */
enum {
    JL_OK = 0,
    JL_ERR_ARGUMENT = -3,       /* null buffer, too small a capacity, no such letter */
    JL_ERR_NOT_THIS_DRIVE = -5, /* no keyboard in update mode on that drive */
    JL_ERR_NO_IMAGE = -6,       /* no image loaded */
    JL_ERR_IMAGE = -9,          /* the image is malformed, damaged, or another model's */
    JL_ERR_VOLUME = -10,        /* the volume cannot be read or written */
    JL_ERR_REFUSED = -18,       /* the keyboard refused the image */
    JL_ERR_TIMEOUT = -20,       /* no verdict from the keyboard in time */
    JL_ERR_VANISHED = -21,      /* the volume went away before the verdict */
    JL_ERR_CANCELLED = -22      /* the write was ended by JL_cancelUpgrade */
};

/* Progress of a write in percent, 0..100; called on the writing thread. */
typedef void (*JL_progress_t)(int percent);

typedef int (*JL_loadUfwData_t)(const unsigned char* image, int length);
typedef int (*JL_getUfwCrc_t)(unsigned short* crc, unsigned int* value);
typedef int (*JL_getUfwPidVid_t)(char* id, int idCapacity, char* version, int versionCapacity);
typedef int (*JL_upgradeDevice_t)(int driveLetter, int arg1, int arg2, JL_progress_t progress);
typedef int (*JL_queryDevicePidVid_t)(int driveLetter, char* id, int idCapacity, char* version, int versionCapacity);
typedef int (*JL_cancelUpgrade_t)(void);

#ifdef __cplusplus
extern "C" {
#endif

/* Checks and keeps a copy of a .ufw image (the caller may free its buffer
 * afterwards). 0, or JL_ERR_IMAGE (nothing kept), JL_ERR_ARGUMENT. */
int JL_loadUfwData(const unsigned char* image, int length);
/* The loaded image's header CRC-16 and its payload's CRC-32. */
int JL_getUfwCrc(unsigned short* crc, unsigned int* value);
/* The loaded image's identity (the model name, at most 15 characters,
 * zero-terminated; capacity at least 16) and its 4-byte version (not
 * terminated; capacity at least 4). */
int JL_getUfwPidVid(char* id, int idCapacity, char* version, int versionCapacity);
/* Whether the volume of that drive letter ('A' = 65) is a keyboard in
 * update mode; fills its identity (capacity at least 16) and its running
 * version (zero-terminated, capacity at least 5). */
int JL_queryDevicePidVid(int driveLetter, char* id, int idCapacity, char* version, int versionCapacity);
/* Writes the loaded image into the keyboard on that drive and waits for
 * its verdict. arg1 and arg2 are 1. */
int JL_upgradeDevice(int driveLetter, int arg1, int arg2, JL_progress_t progress);
/* Ends every write under way, and every one waiting for its turn, at its
 * next step (within a few milliseconds): they return JL_ERR_CANCELLED. A
 * keyboard that already holds the whole image goes on with it by itself.
 * Returns 0. */
int JL_cancelUpgrade(void);

#ifdef __cplusplus
}
#endif

#endif
