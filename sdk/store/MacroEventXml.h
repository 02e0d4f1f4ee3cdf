// One macro event as an XML element: the same element in the macro store and
// in a profile's copy of a macro.
#ifndef LUMTAR_MACRO_EVENT_XML_H
#define LUMTAR_MACRO_EVENT_XML_H

#include "sdk/include/LumtarRecords.h"

#include <pugixml.hpp>

#include <list>

namespace lumtar {
namespace store {

class MacroEventXml
{
public:
    static const char *elementName() { return "event"; }
    // Writes the record's six fields (each read up to its NUL or its width).
    static void write(pugi::xml_node event, const KeyOrMouseEventStu &record);
    static KeyOrMouseEventStu read(const pugi::xml_node &event);
    static void appendAll(pugi::xml_node parent, const std::list<KeyOrMouseEventStu> &events);
    static void readAll(const pugi::xml_node &parent, std::list<KeyOrMouseEventStu> *events);
};

} // namespace store
} // namespace lumtar

#endif
