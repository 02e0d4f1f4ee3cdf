// The device SDK entry points the main window calls once at start-up, as a
// table so that a start-up can be run against another SDK build.
#ifndef LUMTARSDKSTARTUP_H
#define LUMTARSDKSTARTUP_H

#include <list>

#include "sdk/include/LumtarHid.h"

struct LumtarSdkStartup {
    int (*versionStr)(char *buffer);
    int (*xmlInit)();
    int (*hidInit)();
    int (*lightInit)();
    bool (*createMacroXmlFile)(const char *path);
    bool (*createSeniorKeyXmlFile)(const char *path);
    bool (*createSeniorKeyParentNode)(const char *path);
    int (*getSupportInfoList)(std::list<SupportInfoStu> *supported);

    // The SDK linked into the program.
    static LumtarSdkStartup linked();
};

#endif
