// The macro store "appMacro.xml": macros by index and name, each with its
// events in playback order.
#ifndef LUMTAR_MACRO_STORE_H
#define LUMTAR_MACRO_STORE_H

#include "sdk/include/LumtarXml.h"

#include <list>

namespace lumtar {
namespace store {

class MacroStore
{
public:
    static bool listMacros(const char *path, LumtarIndexNameList *macros);
    static bool events(const char *path, const char *macroIndex, std::list<KeyOrMouseEventStu> *events);
    static bool createMacro(const char *path, const char *macroIndex, const char *name);
    static bool deleteMacro(const char *path, const char *macroIndex);
    static bool renameMacro(const char *path, const char *macroIndex, const char *name);
    static bool appendEvents(const char *path, const char *macroIndex,
                             const std::list<KeyOrMouseEventStu> &events);
    static bool deleteMark(const char *path, const char *macroIndex, const char *mark);
    static bool updateEvent(const char *path, const char *macroIndex, const char *mark, int status,
                            const KeyOrMouseEventStu &event);
    static bool moveEvent(const char *path, const char *macroIndex, const char *mark, int direction,
                          int which);
    // The macro's whole event list in one write; a macro that is missing is
    // created with the name (an existing one keeps its own).
    static bool replaceEvents(const char *path, const char *macroIndex, const char *name,
                              const std::list<KeyOrMouseEventStu> &events);
    // An index no macro of this store has ever had.
    static bool newIndex(const char *path, int *macroIndex);
};

} // namespace store
} // namespace lumtar

#endif
