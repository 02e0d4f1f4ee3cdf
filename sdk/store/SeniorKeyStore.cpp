#include "sdk/store/SeniorKeyStore.h"

#include "sdk/store/StoreNodes.h"
#include "sdk/store/StoreText.h"
#include "sdk/store/XmlDocumentCache.h"

#include <stdint.h>
#include <string.h>

#include <algorithm>

namespace lumtar {
namespace store {

namespace {

typedef XmlDocumentCache::Change Change;

XmlDocumentCache &cache()
{
    return XmlDocumentCache::instance();
}

const char *const kSlotAttrs[4] = {"slot1", "slot2", "slot3", "slot4"};

std::string joinInts(const int32_t *values, int count)
{
    std::string s;
    for (int i = 0; i < count; ++i) {
        if (i)
            s += ',';
        s += std::to_string(values[i]);
    }
    return s;
}

// Reads up to count comma-separated numbers; missing ones stay 0.
void splitInts(const char *text, int32_t *values, int count)
{
    for (int i = 0; i < count; ++i)
        values[i] = 0;
    std::string s(text ? text : "");
    size_t pos = 0;
    for (int i = 0; i < count && pos <= s.size(); ++i) {
        size_t comma = s.find(',', pos);
        std::string part = s.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos);
        values[i] = toInt32(part.c_str(), 0);
        if (comma == std::string::npos)
            break;
        pos = comma + 1;
    }
}

void writeRecord(pugi::xml_node n, const SeniorKeyInfoStu &r)
{
    n.remove_attributes();
    n.append_attribute("id") = r.id;
    n.append_attribute("name") = fieldText(r.name, sizeof r.name).c_str();
    n.append_attribute("kind") = r.kind;
    for (int i = 0; i < 4; ++i)
        n.append_attribute(kSlotAttrs[i]) = fieldText(r.keySlot[i], sizeof r.keySlot[i]).c_str();
    int32_t dks[16];
    for (int i = 0; i < 16; ++i)
        dks[i] = r.dksAction[i / 4][i % 4];
    n.append_attribute("dksAction") = joinInts(dks, 16).c_str();
    n.append_attribute("triggerPoint") = joinInts(r.triggerPoint, 4).c_str();
    n.append_attribute("holdDuration") = r.holdDuration;
    n.append_attribute("toggleAssigned") = r.toggleAssigned;
}

SeniorKeyInfoStu readRecord(const pugi::xml_node &n)
{
    SeniorKeyInfoStu r;
    memset(&r, 0, sizeof r);
    r.id = toInt32(n.attribute("id").value(), 0);
    copyBounded(r.name, sizeof r.name, n.attribute("name").value());
    r.kind = toInt32(n.attribute("kind").value(), 0);
    for (int i = 0; i < 4; ++i)
        copyBounded(r.keySlot[i], sizeof r.keySlot[i], n.attribute(kSlotAttrs[i]).value());
    int32_t dks[16];
    splitInts(n.attribute("dksAction").value(), dks, 16);
    for (int i = 0; i < 16; ++i)
        r.dksAction[i / 4][i % 4] = dks[i];
    splitInts(n.attribute("triggerPoint").value(), r.triggerPoint, 4);
    r.holdDuration = toInt32(n.attribute("holdDuration").value(), 0);
    r.toggleAssigned = toInt32(n.attribute("toggleAssigned").value(), 0);
    return r;
}

// The highest id the store has held: the kept one, or a higher id of a
// record that a file written by hand holds.
long long highestId(const pugi::xml_node &keys)
{
    long long highest = toInt32(keys.attribute("highestId").value(), 0);
    for (pugi::xml_node n = keys.child("seniorKey"); n; n = n.next_sibling("seniorKey"))
        highest = std::max<long long>(highest, toInt32(n.attribute("id").value(), 0));
    return highest;
}

pugi::xml_node findRecord(const pugi::xml_node &keys, int id)
{
    for (pugi::xml_node n = keys.child("seniorKey"); n; n = n.next_sibling("seniorKey"))
        if (toInt32(n.attribute("id").value(), 0) == id)
            return n;
    return pugi::xml_node();
}

} // namespace

bool SeniorKeyStore::createFile(const char *path)
{
    std::string p;
    if (!acceptPath(path, &p))
        return false;
    return cache().createStore(p, nullptr);
}

bool SeniorKeyStore::prepare(const char *path)
{
    std::string p;
    if (!acceptPath(path, &p))
        return false;
    return cache().modify(p, [](pugi::xml_node &root) {
        if (root.child("seniorKeys"))
            return Change::Unchanged;
        root.append_child("seniorKeys");
        return Change::Changed;
    });
}

bool SeniorKeyStore::records(const char *path, std::list<SeniorKeyInfoStu> *records)
{
    std::string p;
    if (!records || !acceptPath(path, &p))
        return false;
    return cache().read(p, XmlDocumentCache::storeRootName(), [&](const pugi::xml_node &root) {
        pugi::xml_node keys = root.child("seniorKeys");
        for (pugi::xml_node n = keys.child("seniorKey"); n; n = n.next_sibling("seniorKey"))
            records->push_back(readRecord(n));
        return true;
    });
}

bool SeniorKeyStore::add(const char *path, const SeniorKeyInfoStu &record)
{
    std::string p;
    if (!acceptPath(path, &p) || record.id < 1)
        return false;
    return cache().modify(p, [&](pugi::xml_node &root) {
        pugi::xml_node keys = root.child("seniorKeys");
        if (findRecord(keys, record.id))
            return Change::Failed;
        int count = 0;
        for (pugi::xml_node n = keys.child("seniorKey"); n; n = n.next_sibling("seniorKey"))
            ++count;
        if (count >= kMaxRecords)
            return Change::Failed;
        if (!keys)
            keys = root.append_child("seniorKeys");
        const long long highest = std::max<long long>(highestId(keys), record.id);
        writeRecord(keys.append_child("seniorKey"), record);
        if (!keys.attribute("highestId"))
            keys.append_attribute("highestId");
        keys.attribute("highestId") = highest;
        return Change::Changed;
    });
}

bool SeniorKeyStore::newId(const char *path, int *id)
{
    std::string p;
    if (!id || !acceptPath(path, &p))
        return false;
    return cache().read(p, XmlDocumentCache::storeRootName(), [&](const pugi::xml_node &root) {
        const long long next = std::max<long long>(highestId(root.child("seniorKeys")), 0) + 1;
        if (next > INT32_MAX)
            return false;
        *id = static_cast<int>(next);
        return true;
    });
}

bool SeniorKeyStore::modify(const char *path, const SeniorKeyInfoStu &record)
{
    std::string p;
    if (!acceptPath(path, &p))
        return false;
    return cache().modify(p, [&](pugi::xml_node &root) {
        pugi::xml_node n = findRecord(root.child("seniorKeys"), record.id);
        if (!n)
            return Change::Failed;
        const std::string before = XmlDocumentCache::serialiseNode(n);
        writeRecord(n, record);
        return XmlDocumentCache::serialiseNode(n) == before ? Change::Unchanged : Change::Changed;
    });
}

bool SeniorKeyStore::remove(const char *path, int id)
{
    std::string p;
    if (!acceptPath(path, &p))
        return false;
    return cache().modify(p, [&](pugi::xml_node &root) {
        pugi::xml_node keys = root.child("seniorKeys");
        pugi::xml_node n = findRecord(keys, id);
        if (!n)
            return Change::Failed;
        keys.remove_child(n);
        return Change::Changed;
    });
}

} // namespace store
} // namespace lumtar
