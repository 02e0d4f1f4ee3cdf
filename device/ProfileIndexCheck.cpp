#include "device/ProfileIndexCheck.h"

#include "sdk/include/LumtarXml.h"

#include <string>

bool profileFileHasProfile(const char *path, int profileIndex)
{
    if (!path || !*path)
        return false;
    LumtarIndexNameList profiles;
    CLumtarXML_SelectProFileAllNodes(path, &profiles);
    const std::string index = std::to_string(profileIndex);
    for (const auto &profile : profiles)
        if (profile.first == index)
            return true;
    return false;
}
