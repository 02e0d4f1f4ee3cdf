#include "sdk/store/StoreNodes.h"

#include "sdk/store/StoreText.h"

#include <string.h>

namespace lumtar {
namespace store {

pugi::xml_node findChild(const pugi::xml_node &parent, const char *name, const char *attr,
                         const char *key)
{
    if (!key)
        return pugi::xml_node();
    long long wanted = 0;
    const bool numeric = parseInteger(key, &wanted);
    for (pugi::xml_node n = parent.child(name); n; n = n.next_sibling(name)) {
        const char *v = n.attribute(attr).value();
        if (numeric) {
            long long have = 0;
            if (parseInteger(v, &have) && have == wanted)
                return n;
        } else if (strcmp(v, key) == 0) {
            return n;
        }
    }
    return pugi::xml_node();
}

bool removeFirst(pugi::xml_node parent, const char *name, const char *attr, const char *key)
{
    pugi::xml_node n = findChild(parent, name, attr, key);
    return n && parent.remove_child(n);
}

pugi::xml_node childOrCreate(pugi::xml_node &parent, const char *name)
{
    pugi::xml_node n = parent.child(name);
    if (!n)
        n = parent.append_child(name);
    return n;
}

bool setAttr(pugi::xml_node node, const char *name, const char *value)
{
    pugi::xml_attribute a = node.attribute(name);
    if (!a) {
        node.append_attribute(name) = value;
        return true;
    }
    if (strcmp(a.value(), value) == 0)
        return false;
    a.set_value(value);
    return true;
}

bool setAttr(pugi::xml_node node, const char *name, long long value)
{
    return setAttr(node, name, std::to_string(value).c_str());
}

pugi::xml_node findProfile(const pugi::xml_node &root, const char *profileIndex)
{
    return findChild(root, "profile", "index", profileIndex);
}

long long highestIndex(const pugi::xml_node &parent, const char *name, const char *attr)
{
    long long best = 0;
    for (pugi::xml_node n = parent.child(name); n; n = n.next_sibling(name)) {
        long long v = 0;
        if (parseInteger(n.attribute(attr).value(), &v) && v > best)
            best = v;
    }
    return best;
}

} // namespace store
} // namespace lumtar
