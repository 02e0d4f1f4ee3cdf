// The custom-light schemes of a profile (five per profile, each with its
// coloured keys) and the read-only default custom-light files that ship with
// the program ("customLight" > "customLed" > "item").
#ifndef LUMTAR_CUSTOM_LIGHT_STORE_H
#define LUMTAR_CUSTOM_LIGHT_STORE_H

#include "sdk/include/LumtarXml.h"

#include <list>

namespace lumtar {
namespace store {

class CustomLightStore
{
public:
    static bool addScheme(const char *path, const char *profileIndex, const char *nodeIndex,
                          const char *name, const char *isUsing, int usingFlagIndex);
    static bool listSchemes(const char *path, const char *profileIndex,
                            std::list<CustomLightNodeStu> *nodes);
    static bool setSchemeUsing(const char *path, const char *profileIndex, const char *nodeIndex,
                               const char *isUsing, int usingFlagIndex);
    static bool renameScheme(const char *path, const char *profileIndex, const char *nodeIndex,
                             const char *name);
    // Appends the keys in list order, in one change.
    static bool addItems(const char *path, const char *profileIndex, const char *nodeIndex,
                         const std::list<CustomLightItemStu> &items);
    static bool clearScheme(const char *path, const char *profileIndex, const char *nodeIndex);
    static bool schemeItems(const char *path, const char *profileIndex, const char *nodeIndex,
                            std::list<CustomLightItemStu> *items);
    // One node of a default custom-light file.
    static bool defaultFileItems(const char *filePath, const char *nodeIndex,
                                 std::list<CustomLightItemStu> *items);
};

} // namespace store
} // namespace lumtar

#endif
