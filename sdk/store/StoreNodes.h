// Small element helpers shared by the store modules.
#ifndef LUMTAR_STORE_NODES_H
#define LUMTAR_STORE_NODES_H

#include <pugixml.hpp>

#include <string>

namespace lumtar {
namespace store {

// The first child element `name` whose attribute `attr` matches key (numbers
// as numbers, other texts exactly).
pugi::xml_node findChild(const pugi::xml_node &parent, const char *name, const char *attr,
                         const char *key);
// Removes the first child findChild finds; false when there is none. Every
// store acts on the first match only, also where a hand-edited file holds
// an element twice.
bool removeFirst(pugi::xml_node parent, const char *name, const char *attr, const char *key);
// The child element `name`, appended when missing.
pugi::xml_node childOrCreate(pugi::xml_node &parent, const char *name);
// Sets an attribute; true when that changed the element.
bool setAttr(pugi::xml_node node, const char *name, const char *value);
bool setAttr(pugi::xml_node node, const char *name, long long value);
// The profile element of a profile file.
pugi::xml_node findProfile(const pugi::xml_node &root, const char *profileIndex);
// The highest numeric `attr` of the children `name`, 0 when there is none.
long long highestIndex(const pugi::xml_node &parent, const char *name, const char *attr);

} // namespace store
} // namespace lumtar

#endif
