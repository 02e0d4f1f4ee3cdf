#include "sdk/store/MacroStore.h"

#include "sdk/store/MacroEventXml.h"
#include "sdk/store/StoreNodes.h"
#include "sdk/store/StoreText.h"
#include "sdk/store/XmlDocumentCache.h"

#include <algorithm>
#include <stdint.h>
#include <string.h>
#include <vector>

namespace lumtar {
namespace store {

namespace {

typedef XmlDocumentCache::Change Change;

XmlDocumentCache &cache()
{
    return XmlDocumentCache::instance();
}

bool modifyMacro(const char *path, const char *macroIndex,
                 const std::function<Change(pugi::xml_node &)> &writer)
{
    std::string p;
    if (!macroIndex || !acceptPath(path, &p))
        return false;
    return cache().modify(p, [&](pugi::xml_node &root) {
        pugi::xml_node macro = findChild(root, "macro", "index", macroIndex);
        if (!macro)
            return Change::Failed;
        return writer(macro);
    });
}

// The event of a mark with the given "down"/"up" text.
pugi::xml_node findEvent(const pugi::xml_node &macro, const char *mark, const char *operate)
{
    for (pugi::xml_node e = macro.child(MacroEventXml::elementName()); e;
         e = e.next_sibling(MacroEventXml::elementName()))
        if (sameNumberOrText(e.attribute("mark").value(), mark)
            && strcmp(e.attribute("operateExplain").value(), operate) == 0)
            return e;
    return pugi::xml_node();
}

long long sortKey(const char *index)
{
    long long v = 0;
    return parseInteger(index, &v) ? v : INT64_MAX;
}

// The root keeps the highest index the store has ever held, so that an index
// whose macro was deleted (and which keys may still name) is never handed out
// again. A file written before the attribute existed starts from its macros.
const char *const kHighestIndex = "highestMacroIndex";

long long highestIndex(const pugi::xml_node &root)
{
    long long highest = 0;
    parseInteger(root.attribute(kHighestIndex).value(), &highest);
    for (pugi::xml_node m = root.child("macro"); m; m = m.next_sibling("macro")) {
        long long v = 0;
        if (parseInteger(m.attribute("index").value(), &v) && v > highest)
            highest = v;
    }
    return std::max<long long>(highest, 0);
}

void keepHighestIndex(pugi::xml_node &root, long long highest)
{
    if (!root.attribute(kHighestIndex))
        root.append_attribute(kHighestIndex);
    root.attribute(kHighestIndex) = highest;
}

// A new, empty macro at its place in index order.
pugi::xml_node insertMacro(pugi::xml_node &root, const char *macroIndex, const char *name)
{
    const long long key = sortKey(macroIndex);
    pugi::xml_node before;
    for (pugi::xml_node m = root.child("macro"); m; m = m.next_sibling("macro"))
        if (sortKey(m.attribute("index").value()) > key) {
            before = m;
            break;
        }
    pugi::xml_node macro = before ? root.insert_child_before("macro", before) : root.append_child("macro");
    macro.append_attribute("index") = macroIndex;
    macro.append_attribute("name") = name;
    long long v = 0;
    if (parseInteger(macroIndex, &v))
        keepHighestIndex(root, std::max(highestIndex(root), v));
    return macro;
}

} // namespace

bool MacroStore::listMacros(const char *path, LumtarIndexNameList *macros)
{
    std::string p;
    if (!macros || !acceptPath(path, &p))
        return false;
    return cache().read(p, XmlDocumentCache::storeRootName(), [&](const pugi::xml_node &root) {
        std::vector<std::pair<long long, std::pair<std::string, std::string>>> found;
        for (pugi::xml_node m = root.child("macro"); m; m = m.next_sibling("macro"))
            found.push_back({sortKey(m.attribute("index").value()),
                             {m.attribute("index").value(), m.attribute("name").value()}});
        std::stable_sort(found.begin(), found.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        for (auto &f : found)
            macros->push_back(std::move(f.second));
        return true;
    });
}

bool MacroStore::events(const char *path, const char *macroIndex, std::list<KeyOrMouseEventStu> *events)
{
    std::string p;
    if (!events || !macroIndex || !acceptPath(path, &p))
        return false;
    return cache().read(p, XmlDocumentCache::storeRootName(), [&](const pugi::xml_node &root) {
        pugi::xml_node macro = findChild(root, "macro", "index", macroIndex);
        if (!macro)
            return false;
        MacroEventXml::readAll(macro, events);
        return true;
    });
}

bool MacroStore::createMacro(const char *path, const char *macroIndex, const char *name)
{
    std::string p, n;
    if (!macroIndex || !*macroIndex || !acceptPath(path, &p) || !acceptText(name, &n))
        return false;
    return cache().modify(p, [&](pugi::xml_node &root) {
        if (findChild(root, "macro", "index", macroIndex))
            return Change::Failed;
        insertMacro(root, macroIndex, n.c_str());
        return Change::Changed;
    });
}

bool MacroStore::deleteMacro(const char *path, const char *macroIndex)
{
    std::string p;
    if (!macroIndex || !acceptPath(path, &p))
        return false;
    return cache().modify(p, [&](pugi::xml_node &root) {
        if (!findChild(root, "macro", "index", macroIndex))
            return Change::Unchanged;
        keepHighestIndex(root, highestIndex(root));
        removeFirst(root, "macro", "index", macroIndex);
        return Change::Changed;
    });
}

bool MacroStore::renameMacro(const char *path, const char *macroIndex, const char *name)
{
    std::string n;
    if (!acceptText(name, &n))
        return false;
    return modifyMacro(path, macroIndex, [&](pugi::xml_node &macro) {
        return setAttr(macro, "name", n.c_str()) ? Change::Changed : Change::Unchanged;
    });
}

bool MacroStore::appendEvents(const char *path, const char *macroIndex,
                              const std::list<KeyOrMouseEventStu> &events)
{
    return modifyMacro(path, macroIndex, [&](pugi::xml_node &macro) {
        if (events.empty())
            return Change::Unchanged;
        MacroEventXml::appendAll(macro, events);
        return Change::Changed;
    });
}

bool MacroStore::deleteMark(const char *path, const char *macroIndex, const char *mark)
{
    if (!mark)
        return false;
    return modifyMacro(path, macroIndex, [&](pugi::xml_node &macro) {
        bool changed = false;
        pugi::xml_node e = macro.child(MacroEventXml::elementName());
        while (e) {
            pugi::xml_node next = e.next_sibling(MacroEventXml::elementName());
            if (sameNumberOrText(e.attribute("mark").value(), mark)) {
                macro.remove_child(e);
                changed = true;
            }
            e = next;
        }
        return changed ? Change::Changed : Change::Unchanged;
    });
}

bool MacroStore::updateEvent(const char *path, const char *macroIndex, const char *mark, int status,
                             const KeyOrMouseEventStu &event)
{
    if (!mark || (status != 0 && status != 1))
        return false;
    return modifyMacro(path, macroIndex, [&](pugi::xml_node &macro) {
        pugi::xml_node e = findEvent(macro, mark, status == 0 ? "down" : "up");
        if (!e)
            return Change::Failed;
        pugi::xml_node fresh = macro.insert_child_after(MacroEventXml::elementName(), e);
        MacroEventXml::write(fresh, event);
        macro.remove_child(e);
        return Change::Changed;
    });
}

bool MacroStore::moveEvent(const char *path, const char *macroIndex, const char *mark,
                           int direction, int which)
{
    if (!mark || (direction != 0 && direction != 1) || (which != 0 && which != 1))
        return false;
    return modifyMacro(path, macroIndex, [&](pugi::xml_node &macro) {
        pugi::xml_node e = findEvent(macro, mark, which == 0 ? "down" : "up");
        if (!e)
            return Change::Failed;
        if (direction == 1) {
            pugi::xml_node prev = e.previous_sibling(MacroEventXml::elementName());
            if (!prev)
                return Change::Failed;
            macro.insert_move_before(e, prev);
        } else {
            pugi::xml_node next = e.next_sibling(MacroEventXml::elementName());
            if (!next)
                return Change::Failed;
            macro.insert_move_after(e, next);
        }
        return Change::Changed;
    });
}

bool MacroStore::replaceEvents(const char *path, const char *macroIndex, const char *name,
                               const std::list<KeyOrMouseEventStu> &events)
{
    std::string p, n;
    if (!macroIndex || !*macroIndex || !acceptPath(path, &p) || !acceptText(name, &n))
        return false;
    return cache().modify(p, [&](pugi::xml_node &root) {
        pugi::xml_node macro = findChild(root, "macro", "index", macroIndex);
        if (!macro)
            macro = insertMacro(root, macroIndex, n.c_str());
        while (pugi::xml_node e = macro.child(MacroEventXml::elementName()))
            macro.remove_child(e);
        MacroEventXml::appendAll(macro, events);
        return Change::Changed;
    });
}

bool MacroStore::newIndex(const char *path, int *macroIndex)
{
    std::string p;
    if (!macroIndex || !acceptPath(path, &p))
        return false;
    return cache().read(p, XmlDocumentCache::storeRootName(), [&](const pugi::xml_node &root) {
        const long long next = highestIndex(root) + 1;
        if (next > INT32_MAX)
            return false;
        *macroIndex = static_cast<int>(next);
        return true;
    });
}

} // namespace store
} // namespace lumtar
