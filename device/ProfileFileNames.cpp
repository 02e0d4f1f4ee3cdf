#include "device/ProfileFileNames.h"

const char *ProfileFileNames::fileName(File file)
{
    switch (file) {
    case DefaultLayer: return "/appProfile_Default.xml";
    case FnLayer: return "/appProfile_FN.xml";
    case HeavyPress: return "/appProfile_Magnetic.xml";
    }
    return "";
}
