// The profile files: profiles with their key items, light records, current
// light modes, synchronisation and running status, sleep times, lock flags
// and macro copies; export and import of one profile.
#ifndef LUMTAR_PROFILE_STORE_H
#define LUMTAR_PROFILE_STORE_H

#include "sdk/include/LumtarXml.h"

#include <list>
#include <string>

namespace lumtar {
namespace store {

class ProfileStore
{
public:
    static bool createProfile(const char *path, const char *profileIndex, const char *name);
    static bool deleteProfile(const char *path, const char *profileIndex);
    static bool hasProfile(const char *path, const char *profileIndex);
    static bool listProfiles(const char *path, LumtarIndexNameList *profiles);
    static bool profileNode(const char *path, const char *profileIndex, ProfileNodeInfoStu *node);
    static bool renameProfile(const char *path, const char *profileIndex, const char *name);
    static int currentProfile(const char *path);
    static bool setCurrentProfile(const char *path, int profileIndex);
    static bool exportProfile(const char *path, const char *exportPath, const char *profileIndex);
    static bool importProfile(const char *path, const char *sourcePath, const char *sourceIndex);

    static bool selectKey(const char *path, const char *profileIndex, const char *keyCode,
                          KeyOperateInfoStu *item);
    static bool deleteKey(const char *path, const char *profileIndex, const char *keyCode);
    static bool addKey(const char *path, const char *profileIndex, const char *keyCode,
                       const char *keyName, const char *type, const char *count, const char *mode,
                       const char *value);
    // A macro key (type 1, the macro's index as value) and, given its
    // events, the profile's copy of the macro, in one change.
    static bool addMacroKey(const char *path, const char *profileIndex, const char *keyCode,
                            const char *keyName, const char *count, const char *mode,
                            const char *macroIndex, const std::list<KeyOrMouseEventStu> *copyEvents,
                            const char *nodeName);
    static int countKeys(const char *path, const char *profileIndex, const char *type,
                         const char *value);
    static bool listKeyCodes(const char *path, const char *profileIndex,
                             std::list<std::string> *keyCodes);

    static bool addMacroCopy(const char *path, const char *profileIndex,
                             const std::list<KeyOrMouseEventStu> &events, const char *macroIndex,
                             const char *nodeName);
    static bool deleteMacroCopy(const char *path, const char *profileIndex, const char *macroIndex);
    static bool macroCopyEvents(const char *path, const char *profileIndex, const char *macroIndex,
                                std::list<KeyOrMouseEventStu> *events);

    static int currentLightMode(const char *path, const char *profileIndex, int kind);
    static bool setCurrentLightMode(const char *path, const char *profileIndex, int kind, int mode);
    static int lightRunningStatus(const char *path, const char *profileIndex);
    static int lightSyncStatus(const char *path, const char *profileIndex);
    static bool setLightSyncStatus(const char *path, const char *profileIndex, int status);
    static bool selectLight(const char *path, const char *profileIndex, int kind, int mode,
                            colorInfoData *data);
    static bool hasLight(const char *path, const char *profileIndex, int kind, int mode);
    static bool storeLight(const char *path, const char *profileIndex, int kind, int mode,
                           const colorInfoData &data, bool mustExist);

    static bool lockFlags(const char *path, const char *profileIndex, char flags[4][8]);
    static bool setLockFlags(const char *path, const char *profileIndex, const char *altTab,
                             const char *altF4, const char *shiftTab, const char *winKey);
    static bool sleepTimes(const char *path, const char *profileIndex, int *lightSeconds,
                           int *keyboardMinutes);
    static bool setSleepTimes(const char *path, const char *profileIndex, int lightSeconds,
                              int keyboardMinutes);
};

} // namespace store
} // namespace lumtar

#endif
