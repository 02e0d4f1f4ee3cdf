#include "sdk/store/CustomLightStore.h"

#include "sdk/store/StoreNodes.h"
#include "sdk/store/StoreText.h"
#include "sdk/store/XmlDocumentCache.h"

#include <string.h>

namespace lumtar {
namespace store {

namespace {

typedef XmlDocumentCache::Change Change;

XmlDocumentCache &cache()
{
    return XmlDocumentCache::instance();
}

// The scheme element of a profile: profile > customLights > scheme.
bool readScheme(const char *path, const char *profileIndex, const char *nodeIndex,
                const std::function<bool(const pugi::xml_node &)> &reader)
{
    std::string p;
    if (!profileIndex || !nodeIndex || !acceptPath(path, &p))
        return false;
    return cache().read(p, XmlDocumentCache::storeRootName(), [&](const pugi::xml_node &root) {
        pugi::xml_node scheme = findChild(findProfile(root, profileIndex).child("customLights"),
                                          "scheme", "index", nodeIndex);
        return scheme && reader(scheme);
    });
}

bool modifyScheme(const char *path, const char *profileIndex, const char *nodeIndex,
                  const std::function<Change(pugi::xml_node &)> &writer)
{
    std::string p;
    if (!profileIndex || !nodeIndex || !acceptPath(path, &p))
        return false;
    return cache().modify(p, [&](pugi::xml_node &root) {
        pugi::xml_node scheme = findChild(findProfile(root, profileIndex).child("customLights"),
                                          "scheme", "index", nodeIndex);
        if (!scheme)
            return Change::Failed;
        return writer(scheme);
    });
}

const char *const kItemIntAttrs[6] = {"indexX", "indexY", "colorR", "colorG", "colorB",
                                      "transparentNum"};
int32_t CustomLightItemStu::*const kItemIntFields[6] = {
    &CustomLightItemStu::indexX, &CustomLightItemStu::indexY, &CustomLightItemStu::colorR,
    &CustomLightItemStu::colorG, &CustomLightItemStu::colorB, &CustomLightItemStu::transparentNum};

CustomLightItemStu readItem(const pugi::xml_node &n)
{
    CustomLightItemStu item;
    memset(&item, 0, sizeof item);
    copyBounded(item.keyCode, sizeof item.keyCode, n.attribute("keyCode").value());
    copyBounded(item.codeName, sizeof item.codeName, n.attribute("codeName").value());
    for (int i = 0; i < 6; ++i)
        item.*kItemIntFields[i] = toInt32(n.attribute(kItemIntAttrs[i]).value(), 0);
    return item;
}

void readItems(const pugi::xml_node &parent, std::list<CustomLightItemStu> *items)
{
    for (pugi::xml_node n = parent.child("item"); n; n = n.next_sibling("item"))
        items->push_back(readItem(n));
}

} // namespace

bool CustomLightStore::addScheme(const char *path, const char *profileIndex, const char *nodeIndex,
                                 const char *name, const char *isUsing, int usingFlagIndex)
{
    std::string p, n, u;
    if (!profileIndex || !nodeIndex || !*nodeIndex || !acceptPath(path, &p) || !acceptText(name, &n)
        || !acceptText(isUsing, &u))
        return false;
    return cache().modify(p, [&](pugi::xml_node &root) {
        pugi::xml_node profile = findProfile(root, profileIndex);
        if (!profile)
            return Change::Failed;
        pugi::xml_node schemes = profile.child("customLights");
        if (findChild(schemes, "scheme", "index", nodeIndex))
            return Change::Failed;
        if (!schemes)
            schemes = profile.append_child("customLights");
        pugi::xml_node s = schemes.append_child("scheme");
        s.append_attribute("index") = nodeIndex;
        s.append_attribute("name") = n.c_str();
        s.append_attribute("isUsing") = u.c_str();
        s.append_attribute("usingFlagIndex") = usingFlagIndex;
        return Change::Changed;
    });
}

bool CustomLightStore::listSchemes(const char *path, const char *profileIndex,
                                   std::list<CustomLightNodeStu> *nodes)
{
    std::string p;
    if (!nodes || !profileIndex || !acceptPath(path, &p))
        return false;
    return cache().read(p, XmlDocumentCache::storeRootName(), [&](const pugi::xml_node &root) {
        pugi::xml_node profile = findProfile(root, profileIndex);
        if (!profile)
            return false;
        pugi::xml_node schemes = profile.child("customLights");
        for (pugi::xml_node s = schemes.child("scheme"); s; s = s.next_sibling("scheme")) {
            CustomLightNodeStu node;
            memset(&node, 0, sizeof node);
            copyBounded(node.index, sizeof node.index, s.attribute("index").value());
            copyBounded(node.name, sizeof node.name, s.attribute("name").value());
            copyBounded(node.isUsing, sizeof node.isUsing, s.attribute("isUsing").value());
            node.usingFlagIndex = toInt32(s.attribute("usingFlagIndex").value(), -1);
            nodes->push_back(node);
        }
        return true;
    });
}

bool CustomLightStore::setSchemeUsing(const char *path, const char *profileIndex,
                                      const char *nodeIndex, const char *isUsing,
                                      int usingFlagIndex)
{
    std::string u;
    if (!acceptText(isUsing, &u))
        return false;
    return modifyScheme(path, profileIndex, nodeIndex, [&](pugi::xml_node &scheme) {
        bool changed = setAttr(scheme, "isUsing", u.c_str());
        changed |= setAttr(scheme, "usingFlagIndex", static_cast<long long>(usingFlagIndex));
        return changed ? Change::Changed : Change::Unchanged;
    });
}

bool CustomLightStore::renameScheme(const char *path, const char *profileIndex,
                                    const char *nodeIndex, const char *name)
{
    std::string n;
    if (!acceptText(name, &n))
        return false;
    return modifyScheme(path, profileIndex, nodeIndex, [&](pugi::xml_node &scheme) {
        return setAttr(scheme, "name", n.c_str()) ? Change::Changed : Change::Unchanged;
    });
}

bool CustomLightStore::addItems(const char *path, const char *profileIndex, const char *nodeIndex,
                                const std::list<CustomLightItemStu> &items)
{
    return modifyScheme(path, profileIndex, nodeIndex, [&](pugi::xml_node &scheme) {
        for (const CustomLightItemStu &item : items) {
            pugi::xml_node n = scheme.append_child("item");
            n.append_attribute("keyCode") = fieldText(item.keyCode, sizeof item.keyCode).c_str();
            n.append_attribute("codeName") = fieldText(item.codeName, sizeof item.codeName).c_str();
            for (int i = 0; i < 6; ++i)
                n.append_attribute(kItemIntAttrs[i]) = item.*kItemIntFields[i];
        }
        return items.empty() ? Change::Unchanged : Change::Changed;
    });
}

bool CustomLightStore::clearScheme(const char *path, const char *profileIndex, const char *nodeIndex)
{
    return modifyScheme(path, profileIndex, nodeIndex, [&](pugi::xml_node &scheme) {
        bool changed = false;
        while (pugi::xml_node n = scheme.child("item")) {
            scheme.remove_child(n);
            changed = true;
        }
        return changed ? Change::Changed : Change::Unchanged;
    });
}

bool CustomLightStore::schemeItems(const char *path, const char *profileIndex,
                                   const char *nodeIndex, std::list<CustomLightItemStu> *items)
{
    if (!items)
        return false;
    return readScheme(path, profileIndex, nodeIndex, [&](const pugi::xml_node &scheme) {
        readItems(scheme, items);
        return true;
    });
}

bool CustomLightStore::defaultFileItems(const char *filePath, const char *nodeIndex,
                                        std::list<CustomLightItemStu> *items)
{
    std::string p;
    if (!items || !nodeIndex || !acceptPath(filePath, &p))
        return false;
    return cache().read(p, "customLight", [&](const pugi::xml_node &root) {
        pugi::xml_node led = findChild(root, "customLed", "index", nodeIndex);
        if (!led)
            return false;
        readItems(led, items);
        return true;
    });
}

} // namespace store
} // namespace lumtar
