#include "sdk/store/ProfileStore.h"

#include "sdk/store/MacroEventXml.h"
#include "sdk/store/StoreLog.h"
#include "sdk/store/StoreNodes.h"
#include "sdk/store/StoreText.h"
#include "sdk/store/XmlDocumentCache.h"

#include <string.h>
#include <sys/stat.h>

namespace lumtar {
namespace store {

namespace {

typedef XmlDocumentCache::Change Change;
typedef std::function<bool(const pugi::xml_node &profile)> ProfileReader;
typedef std::function<Change(pugi::xml_node &profile)> ProfileWriter;

XmlDocumentCache &cache()
{
    return XmlDocumentCache::instance();
}

bool readStore(const char *path, const XmlDocumentCache::Reader &reader)
{
    std::string p;
    if (!acceptPath(path, &p))
        return false;
    return cache().read(p, XmlDocumentCache::storeRootName(), reader);
}

bool modifyStore(const char *path, const XmlDocumentCache::Writer &writer)
{
    std::string p;
    if (!acceptPath(path, &p))
        return false;
    return cache().modify(p, writer);
}

bool readProfile(const char *path, const char *profileIndex, const ProfileReader &reader)
{
    if (!profileIndex)
        return false;
    return readStore(path, [&](const pugi::xml_node &root) {
        pugi::xml_node profile = findProfile(root, profileIndex);
        return profile && reader(profile);
    });
}

bool modifyProfile(const char *path, const char *profileIndex, const ProfileWriter &writer)
{
    if (!profileIndex)
        return false;
    return modifyStore(path, [&](pugi::xml_node &root) {
        pugi::xml_node profile = findProfile(root, profileIndex);
        if (!profile)
            return Change::Failed;
        return writer(profile);
    });
}

const char *const kLightAttrs[14] = {"kind",  "mode",  "brightness", "speed",     "red1",
                                     "green1", "blue1", "red2",       "green2",    "blue2",
                                     "direction", "fullColor", "extra1", "extra2"};
int32_t colorInfoData::*const kLightFields[14] = {
    &colorInfoData::lightKind, &colorInfoData::modeCode, &colorInfoData::brightness,
    &colorInfoData::speed,     &colorInfoData::red1,     &colorInfoData::green1,
    &colorInfoData::blue1,     &colorInfoData::red2,     &colorInfoData::green2,
    &colorInfoData::blue2,     &colorInfoData::direction, &colorInfoData::fullColor,
    &colorInfoData::extra1,    &colorInfoData::extra2};

pugi::xml_node findLight(const pugi::xml_node &profile, int kind, int mode)
{
    pugi::xml_node lights = profile.child("lights");
    for (pugi::xml_node n = lights.child("light"); n; n = n.next_sibling("light"))
        if (toInt32(n.attribute("kind").value(), -1) == kind
            && toInt32(n.attribute("mode").value(), INT32_MIN) == mode)
            return n;
    return pugi::xml_node();
}

pugi::xml_node findCurrentMode(const pugi::xml_node &profile, int kind)
{
    pugi::xml_node lights = profile.child("lights");
    for (pugi::xml_node n = lights.child("current"); n; n = n.next_sibling("current"))
        if (toInt32(n.attribute("kind").value(), -1) == kind)
            return n;
    return pugi::xml_node();
}

const char *const kLockAttrs[4] = {"altTab", "altF4", "shiftTab", "winKey"};

// Copies a profile into a store under a free index: its own when free (keep
// true) or the highest index plus one.
void insertProfileCopy(pugi::xml_node &root, const pugi::xml_node &profile, bool keepIndex)
{
    // The next index is taken before the copy is there: its own index must
    // not count.
    const long long next = highestIndex(root, "profile", "index") + 1;
    pugi::xml_node copy = root.append_copy(profile);
    const char *own = profile.attribute("index").value();
    if (!keepIndex || findProfile(root, own) != copy)
        setAttr(copy, "index", next);
    if (!root.attribute("currentProfile"))
        root.append_attribute("currentProfile") = copy.attribute("index").value();
}

} // namespace

bool ProfileStore::createProfile(const char *path, const char *profileIndex, const char *name)
{
    std::string n;
    if (!profileIndex || !*profileIndex || !acceptText(name, &n))
        return false;
    return modifyStore(path, [&](pugi::xml_node &root) {
        if (findProfile(root, profileIndex))
            return Change::Failed;
        pugi::xml_node p = root.append_child("profile");
        p.append_attribute("index") = profileIndex;
        p.append_attribute("name") = n.c_str();
        return Change::Changed;
    });
}

bool ProfileStore::deleteProfile(const char *path, const char *profileIndex)
{
    return modifyProfile(path, profileIndex, [&](pugi::xml_node &profile) {
        profile.parent().remove_child(profile);
        return Change::Changed;
    });
}

bool ProfileStore::hasProfile(const char *path, const char *profileIndex)
{
    return readProfile(path, profileIndex, [](const pugi::xml_node &) { return true; });
}

bool ProfileStore::listProfiles(const char *path, LumtarIndexNameList *profiles)
{
    if (!profiles)
        return false;
    return readStore(path, [&](const pugi::xml_node &root) {
        for (pugi::xml_node n = root.child("profile"); n; n = n.next_sibling("profile"))
            profiles->emplace_back(n.attribute("index").value(), n.attribute("name").value());
        return true;
    });
}

bool ProfileStore::profileNode(const char *path, const char *profileIndex, ProfileNodeInfoStu *node)
{
    if (!node)
        return false;
    return readProfile(path, profileIndex, [&](const pugi::xml_node &profile) {
        copyBounded(node->index, sizeof node->index, profile.attribute("index").value());
        copyBounded(node->name, sizeof node->name, profile.attribute("name").value());
        return true;
    });
}

bool ProfileStore::renameProfile(const char *path, const char *profileIndex, const char *name)
{
    std::string n;
    if (!acceptText(name, &n))
        return false;
    return modifyProfile(path, profileIndex, [&](pugi::xml_node &profile) {
        return setAttr(profile, "name", n.c_str()) ? Change::Changed : Change::Unchanged;
    });
}

int ProfileStore::currentProfile(const char *path)
{
    int index = -1;
    readStore(path, [&](const pugi::xml_node &root) {
        index = toInt32(root.attribute("currentProfile").value(), -1);
        return true;
    });
    return index;
}

bool ProfileStore::setCurrentProfile(const char *path, int profileIndex)
{
    return modifyStore(path, [&](pugi::xml_node &root) {
        return setAttr(root, "currentProfile", profileIndex) ? Change::Changed : Change::Unchanged;
    });
}

bool ProfileStore::exportProfile(const char *path, const char *exportPath, const char *profileIndex)
{
    std::string target;
    if (!acceptPath(exportPath, &target))
        return false;
    pugi::xml_document copy;
    if (!readProfile(path, profileIndex, [&](const pugi::xml_node &profile) {
            copy.append_copy(profile);
            return true;
        })) {
        StoreLog::write(std::string("export: profile \"") + (profileIndex ? profileIndex : "")
                        + "\" cannot be read from \"" + (path ? path : "") + "\"");
        return false;
    }
    struct stat st;
    if (::stat(target.c_str(), &st) != 0 && !cache().createStore(target, nullptr))
        return false;
    return cache().modify(target, [&](pugi::xml_node &root) {
        insertProfileCopy(root, copy.first_child(), true);
        return Change::Changed;
    });
}

bool ProfileStore::importProfile(const char *path, const char *sourcePath, const char *sourceIndex)
{
    std::string target;
    if (!acceptPath(path, &target))
        return false;
    pugi::xml_document copy;
    if (!readProfile(sourcePath, sourceIndex, [&](const pugi::xml_node &profile) {
            copy.append_copy(profile);
            return true;
        })) {
        StoreLog::write(std::string("import: profile \"") + (sourceIndex ? sourceIndex : "")
                        + "\" cannot be read from \"" + (sourcePath ? sourcePath : "") + "\"");
        return false;
    }
    return cache().modify(target, [&](pugi::xml_node &root) {
        insertProfileCopy(root, copy.first_child(), false);
        return Change::Changed;
    });
}

// ---- Key items ----

namespace {
pugi::xml_node findKey(const pugi::xml_node &profile, const char *keyCode)
{
    return findChild(profile.child("keys"), "key", "code", keyCode);
}
} // namespace

bool ProfileStore::selectKey(const char *path, const char *profileIndex, const char *keyCode,
                             KeyOperateInfoStu *item)
{
    if (!item || !keyCode)
        return false;
    return readProfile(path, profileIndex, [&](const pugi::xml_node &profile) {
        pugi::xml_node key = findKey(profile, keyCode);
        if (!key)
            return false;
        copyBounded(item->keyCode, sizeof item->keyCode, key.attribute("code").value());
        copyBounded(item->keyName, sizeof item->keyName, key.attribute("name").value());
        copyBounded(item->type, sizeof item->type, key.attribute("type").value());
        copyBounded(item->count, sizeof item->count, key.attribute("count").value());
        copyBounded(item->mode, sizeof item->mode, key.attribute("mode").value());
        copyBounded(item->value, sizeof item->value, key.attribute("value").value());
        return true;
    });
}

bool ProfileStore::deleteKey(const char *path, const char *profileIndex, const char *keyCode)
{
    if (!keyCode)
        return false;
    return modifyProfile(path, profileIndex, [&](pugi::xml_node &profile) {
        return removeFirst(profile.child("keys"), "key", "code", keyCode) ? Change::Changed
                                                                          : Change::Unchanged;
    });
}

namespace {

// A key item's texts, checked before anything is changed.
struct KeyTexts {
    const char *code = nullptr;
    std::string name, type, count, mode, value;

    bool accept(const char *keyCode, const char *keyName, const char *t, const char *c, const char *m,
                const char *v)
    {
        code = keyCode;
        return keyCode && *keyCode && acceptText(keyName, &name) && acceptText(t, &type) && acceptText(c, &count)
            && acceptText(m, &mode) && acceptText(v, &value);
    }
};

// Sets the profile's item of the key (added when there is none); true when
// that changed something.
bool writeKey(pugi::xml_node &profile, const KeyTexts &k)
{
    pugi::xml_node keys = childOrCreate(profile, "keys");
    pugi::xml_node key = findChild(keys, "key", "code", k.code);
    bool changed = false;
    if (!key) {
        key = keys.append_child("key");
        changed = true;
    }
    changed |= setAttr(key, "code", k.code);
    changed |= setAttr(key, "name", k.name.c_str());
    changed |= setAttr(key, "type", k.type.c_str());
    changed |= setAttr(key, "count", k.count.c_str());
    changed |= setAttr(key, "mode", k.mode.c_str());
    changed |= setAttr(key, "value", k.value.c_str());
    return changed;
}

// Puts the profile's copy of a macro in place of an earlier one.
void writeMacroCopy(pugi::xml_node &profile, const std::list<KeyOrMouseEventStu> &events, const char *macroIndex,
                    const std::string &name)
{
    pugi::xml_node macros = childOrCreate(profile, "macros");
    pugi::xml_node old = findChild(macros, "macro", "index", macroIndex);
    pugi::xml_node copy = old ? macros.insert_child_before("macro", old) : macros.append_child("macro");
    if (old)
        macros.remove_child(old);
    copy.append_attribute("index") = macroIndex;
    copy.append_attribute("name") = name.c_str();
    MacroEventXml::appendAll(copy, events);
}

} // namespace

bool ProfileStore::addKey(const char *path, const char *profileIndex, const char *keyCode,
                          const char *keyName, const char *type, const char *count,
                          const char *mode, const char *value)
{
    KeyTexts key;
    if (!key.accept(keyCode, keyName, type, count, mode, value))
        return false;
    return modifyProfile(path, profileIndex, [&](pugi::xml_node &profile) {
        return writeKey(profile, key) ? Change::Changed : Change::Unchanged;
    });
}

bool ProfileStore::addMacroKey(const char *path, const char *profileIndex, const char *keyCode,
                               const char *keyName, const char *count, const char *mode,
                               const char *macroIndex, const std::list<KeyOrMouseEventStu> *copyEvents,
                               const char *nodeName)
{
    KeyTexts key;
    std::string name;
    if (!macroIndex || !*macroIndex || !key.accept(keyCode, keyName, "1", count, mode, macroIndex)
        || (copyEvents && !acceptText(nodeName, &name)))
        return false;
    return modifyProfile(path, profileIndex, [&](pugi::xml_node &profile) {
        if (copyEvents)
            writeMacroCopy(profile, *copyEvents, macroIndex, name);
        return writeKey(profile, key) || copyEvents ? Change::Changed : Change::Unchanged;
    });
}

int ProfileStore::countKeys(const char *path, const char *profileIndex, const char *type,
                            const char *value)
{
    int count = 0;
    if (!type || !value)
        return 0;
    readProfile(path, profileIndex, [&](const pugi::xml_node &profile) {
        pugi::xml_node keys = profile.child("keys");
        for (pugi::xml_node k = keys.child("key"); k; k = k.next_sibling("key"))
            if (sameNumberOrText(k.attribute("type").value(), type)
                && sameNumberOrText(k.attribute("value").value(), value))
                ++count;
        return true;
    });
    return count;
}

bool ProfileStore::listKeyCodes(const char *path, const char *profileIndex,
                                std::list<std::string> *keyCodes)
{
    if (!keyCodes)
        return false;
    return readProfile(path, profileIndex, [&](const pugi::xml_node &profile) {
        pugi::xml_node keys = profile.child("keys");
        for (pugi::xml_node k = keys.child("key"); k; k = k.next_sibling("key"))
            keyCodes->emplace_back(k.attribute("code").value());
        return true;
    });
}

// ---- Macro copies ----

bool ProfileStore::addMacroCopy(const char *path, const char *profileIndex,
                                const std::list<KeyOrMouseEventStu> &events,
                                const char *macroIndex, const char *nodeName)
{
    std::string name;
    if (!macroIndex || !*macroIndex || !acceptText(nodeName, &name))
        return false;
    return modifyProfile(path, profileIndex, [&](pugi::xml_node &profile) {
        writeMacroCopy(profile, events, macroIndex, name);
        return Change::Changed;
    });
}

bool ProfileStore::deleteMacroCopy(const char *path, const char *profileIndex, const char *macroIndex)
{
    if (!macroIndex)
        return false;
    return modifyProfile(path, profileIndex, [&](pugi::xml_node &profile) {
        return removeFirst(profile.child("macros"), "macro", "index", macroIndex) ? Change::Changed
                                                                                  : Change::Unchanged;
    });
}

bool ProfileStore::macroCopyEvents(const char *path, const char *profileIndex,
                                   const char *macroIndex, std::list<KeyOrMouseEventStu> *events)
{
    if (!events || !macroIndex)
        return false;
    return readProfile(path, profileIndex, [&](const pugi::xml_node &profile) {
        pugi::xml_node copy = findChild(profile.child("macros"), "macro", "index", macroIndex);
        if (!copy)
            return false;
        MacroEventXml::readAll(copy, events);
        return true;
    });
}

// ---- Lights ----

int ProfileStore::currentLightMode(const char *path, const char *profileIndex, int kind)
{
    int mode = -1;
    readProfile(path, profileIndex, [&](const pugi::xml_node &profile) {
        // A profile that never chose a mode of the kind has none (-1).
        pugi::xml_node current = findCurrentMode(profile, kind);
        if (current)
            mode = toInt32(current.attribute("mode").value(), -1);
        return true;
    });
    return mode;
}

bool ProfileStore::setCurrentLightMode(const char *path, const char *profileIndex, int kind, int mode)
{
    return modifyProfile(path, profileIndex, [&](pugi::xml_node &profile) {
        pugi::xml_node lights = childOrCreate(profile, "lights");
        pugi::xml_node current = findCurrentMode(profile, kind);
        bool changed = false;
        if (!current) {
            current = lights.prepend_child("current");
            changed |= setAttr(current, "kind", static_cast<long long>(kind));
        }
        changed |= setAttr(current, "mode", static_cast<long long>(mode));
        return changed ? Change::Changed : Change::Unchanged;
    });
}

int ProfileStore::lightRunningStatus(const char *path, const char *profileIndex)
{
    int status = -1;
    readProfile(path, profileIndex, [&](const pugi::xml_node &profile) {
        status = toInt32(profile.child("lights").attribute("running").value(), 1);
        return true;
    });
    return status;
}

int ProfileStore::lightSyncStatus(const char *path, const char *profileIndex)
{
    int status = -1;
    readProfile(path, profileIndex, [&](const pugi::xml_node &profile) {
        status = toInt32(profile.child("lights").attribute("synchronize").value(), 0);
        return true;
    });
    return status;
}

bool ProfileStore::setLightSyncStatus(const char *path, const char *profileIndex, int status)
{
    return modifyProfile(path, profileIndex, [&](pugi::xml_node &profile) {
        pugi::xml_node lights = childOrCreate(profile, "lights");
        return setAttr(lights, "synchronize", static_cast<long long>(status)) ? Change::Changed
                                                                             : Change::Unchanged;
    });
}

bool ProfileStore::selectLight(const char *path, const char *profileIndex, int kind, int mode,
                               colorInfoData *data)
{
    if (!data)
        return false;
    return readProfile(path, profileIndex, [&](const pugi::xml_node &profile) {
        pugi::xml_node light = findLight(profile, kind, mode);
        if (!light)
            return false;
        colorInfoData d;
        for (int i = 0; i < 14; ++i)
            d.*kLightFields[i] = toInt32(light.attribute(kLightAttrs[i]).value(), 0);
        d.lightKind = kind;
        d.modeCode = mode;
        *data = d;
        return true;
    });
}

bool ProfileStore::hasLight(const char *path, const char *profileIndex, int kind, int mode)
{
    return readProfile(path, profileIndex, [&](const pugi::xml_node &profile) {
        return static_cast<bool>(findLight(profile, kind, mode));
    });
}

bool ProfileStore::storeLight(const char *path, const char *profileIndex, int kind, int mode,
                              const colorInfoData &data, bool mustExist)
{
    return modifyProfile(path, profileIndex, [&](pugi::xml_node &profile) {
        pugi::xml_node lights = childOrCreate(profile, "lights");
        pugi::xml_node light = findLight(profile, kind, mode);
        bool changed = false;
        if (!light) {
            if (mustExist)
                return Change::Failed;
            light = lights.append_child("light");
            changed = true;
        }
        colorInfoData d = data;
        d.lightKind = kind;
        d.modeCode = mode;
        for (int i = 0; i < 14; ++i)
            changed |= setAttr(light, kLightAttrs[i], static_cast<long long>(d.*kLightFields[i]));
        return changed ? Change::Changed : Change::Unchanged;
    });
}

// ---- Lock flags and sleep times ----

bool ProfileStore::lockFlags(const char *path, const char *profileIndex, char flags[4][8])
{
    if (!flags)
        return false;
    return readProfile(path, profileIndex, [&](const pugi::xml_node &profile) {
        pugi::xml_node locks = profile.child("locks");
        if (!locks)
            return false;
        for (int i = 0; i < 4; ++i)
            if (pugi::xml_attribute a = locks.attribute(kLockAttrs[i]))
                copyBounded(flags[i], 8, a.value());
        return true;
    });
}

bool ProfileStore::setLockFlags(const char *path, const char *profileIndex, const char *altTab,
                                const char *altF4, const char *shiftTab, const char *winKey)
{
    const char *values[4] = {altTab, altF4, shiftTab, winKey};
    std::string texts[4];
    for (int i = 0; i < 4; ++i)
        if (!acceptText(values[i], &texts[i]))
            return false;
    return modifyProfile(path, profileIndex, [&](pugi::xml_node &profile) {
        pugi::xml_node locks = childOrCreate(profile, "locks");
        bool changed = false;
        for (int i = 0; i < 4; ++i)
            changed |= setAttr(locks, kLockAttrs[i], texts[i].c_str());
        return changed ? Change::Changed : Change::Unchanged;
    });
}

bool ProfileStore::sleepTimes(const char *path, const char *profileIndex, int *lightSeconds,
                              int *keyboardMinutes)
{
    return readProfile(path, profileIndex, [&](const pugi::xml_node &profile) {
        pugi::xml_node sleep = profile.child("sleep");
        if (!sleep)
            return false;
        long long v = 0;
        if (lightSeconds && parseInteger(sleep.attribute("lightSeconds").value(), &v))
            *lightSeconds = toInt32(sleep.attribute("lightSeconds").value());
        if (keyboardMinutes && parseInteger(sleep.attribute("keyboardMinutes").value(), &v))
            *keyboardMinutes = toInt32(sleep.attribute("keyboardMinutes").value());
        return true;
    });
}

bool ProfileStore::setSleepTimes(const char *path, const char *profileIndex, int lightSeconds,
                                 int keyboardMinutes)
{
    return modifyProfile(path, profileIndex, [&](pugi::xml_node &profile) {
        pugi::xml_node sleep = childOrCreate(profile, "sleep");
        bool changed = setAttr(sleep, "lightSeconds", static_cast<long long>(lightSeconds));
        changed |= setAttr(sleep, "keyboardMinutes", static_cast<long long>(keyboardMinutes));
        return changed ? Change::Changed : Change::Unchanged;
    });
}

} // namespace store
} // namespace lumtar
