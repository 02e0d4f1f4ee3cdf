// The firmware library of the .ufw family, loaded by name at start: its
// entry points (null when missing) and the lock of the image it keeps. The
// library holds one image at a time, so whoever loads one and goes on to use
// it holds imageLock() for as long: the writing thread for its whole write,
// the check only when it can take the lock at once (the GUI thread never
// waits for a write).
#ifndef UFWLIBRARY_H
#define UFWLIBRARY_H

#include <QMutex>

#include "sdk/include/LumtarUfwLibrary.h"

class UfwLibrary
{
public:
    // Beside the program first, then where the system keeps libraries. A
    // missing library or entry point is logged; the others stay usable.
    void load();

    // Whether the check may examine images, and a write may run.
    bool canExamine() const { return loadUfwData && getUfwCrc && getUfwPidVid; }
    bool canWrite() const { return loadUfwData && queryDevicePidVid && upgradeDevice; }
    // Ends a write under way at its next step (a library without the entry
    // point ends it at the keyboard's verdict).
    void cancelWrites() const;

    QMutex &imageLock() { return m_imageLock; }

    JL_loadUfwData_t loadUfwData = nullptr;
    JL_getUfwCrc_t getUfwCrc = nullptr;
    JL_getUfwPidVid_t getUfwPidVid = nullptr;
    JL_upgradeDevice_t upgradeDevice = nullptr;
    JL_queryDevicePidVid_t queryDevicePidVid = nullptr;
    JL_cancelUpgrade_t cancelUpgrade = nullptr;

private:
    QMutex m_imageLock;
};

#endif
