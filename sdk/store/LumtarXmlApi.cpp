// The C surface of the XML stores: each function hands its arguments to the
// store module of its file kind.
#include "sdk/include/LumtarXml.h"

#include "sdk/store/CustomLightStore.h"
#include "sdk/store/MacroStore.h"
#include "sdk/store/ProfileStore.h"
#include "sdk/store/SeniorKeyStore.h"
#include "sdk/store/StoreLog.h"
#include "sdk/store/StoreText.h"
#include "sdk/store/XmlDocumentCache.h"

using lumtar::store::CustomLightStore;
using lumtar::store::MacroStore;
using lumtar::store::ProfileStore;
using lumtar::store::SeniorKeyStore;

extern "C" {

int CLumtarXML_Init(void)
{
    lumtar::store::XmlDocumentCache::instance();
    return 0;
}

void CLumtarXML_SetLogCallback(LumtarXmlLogCallback callback)
{
    lumtar::store::StoreLog::setCallback(callback);
}

bool CLumtarXML_CreateXMLFile(const char *path)
{
    std::string p;
    if (!lumtar::store::acceptPath(path, &p))
        return false;
    return lumtar::store::XmlDocumentCache::instance().createStore(p, nullptr);
}

bool CLumtarXML_BeginBatch(const char *path)
{
    std::string p;
    if (!lumtar::store::acceptPath(path, &p))
        return false;
    lumtar::store::XmlDocumentCache::instance().beginBatch(p);
    return true;
}

bool CLumtarXML_CommitBatch(const char *path)
{
    std::string p;
    if (!lumtar::store::acceptPath(path, &p))
        return false;
    return lumtar::store::XmlDocumentCache::instance().commitBatch(p);
}

// ---- Profiles ----

bool CLumtarXML_CreateProFileXmlParentNode(const char *path, const char *profileIndex,
                                           const char *name, int)
{
    return ProfileStore::createProfile(path, profileIndex, name);
}

bool CLumtarXML_DeleteProFileSelectedNode(const char *path, const char *profileIndex)
{
    return ProfileStore::deleteProfile(path, profileIndex);
}

bool CLumtarXML_IsExistenceSelectProfileNode(const char *path, const char *profileIndex)
{
    return ProfileStore::hasProfile(path, profileIndex);
}

bool CLumtarXML_SelectProFileAllNodes(const char *path, LumtarIndexNameList *profiles)
{
    return ProfileStore::listProfiles(path, profiles);
}

bool CLumtarXML_SelectProfileNodeInfo(const char *path, const char *profileIndex,
                                      ProfileNodeInfoStu *node)
{
    return ProfileStore::profileNode(path, profileIndex, node);
}

bool CLumtarXML_ModifyProfileNodeInfo(const char *path, const char *profileIndex, const char *name)
{
    return ProfileStore::renameProfile(path, profileIndex, name);
}

int CLumtarXML_GetCreateXMLFileProfileIndex(const char *path)
{
    return ProfileStore::currentProfile(path);
}

bool CLumtarXML_ModifyXMLFileProfileIndex(const char *path, int profileIndex)
{
    return ProfileStore::setCurrentProfile(path, profileIndex);
}

bool CLumtarXML_ProFileExport(const char *path, const char *exportPath, const char *profileIndex, int)
{
    return ProfileStore::exportProfile(path, exportPath, profileIndex);
}

bool CLumtarXML_ProFileImport(const char *path, const char *sourcePath, const char *sourceIndex)
{
    return ProfileStore::importProfile(path, sourcePath, sourceIndex);
}

// ---- Key items ----

bool CLumtarXML_SelectProFileKeyOperateInfo(const char *path, const char *profileIndex,
                                            const char *keyCode, KeyOperateInfoStu *item)
{
    return ProfileStore::selectKey(path, profileIndex, keyCode, item);
}

bool CLumtarXML_DeleteProFileMacroWithKeyInfoItem(const char *path, const char *profileIndex,
                                                  const char *keyCode, const char *)
{
    return ProfileStore::deleteKey(path, profileIndex, keyCode);
}

bool CLumtarXML_AddProFileMacroWithKeyInfoItem(const char *path, const char *profileIndex,
                                               const char *keyCode, const char *keyName,
                                               const char *type, const char *count,
                                               const char *mode, const char *value)
{
    return ProfileStore::addKey(path, profileIndex, keyCode, keyName, type, count, mode, value);
}

bool CLumtarXML_AddProFileMacroKeyWithCopy(const char *path, const char *profileIndex,
                                           const char *keyCode, const char *keyName,
                                           const char *count, const char *mode,
                                           const char *macroIndex,
                                           const std::list<KeyOrMouseEventStu> *copyEvents,
                                           const char *nodeName)
{
    return ProfileStore::addMacroKey(path, profileIndex, keyCode, keyName, count, mode, macroIndex,
                                     copyEvents, nodeName);
}

int CLumtarXML_GetProFileValueNum(const char *path, const char *profileIndex, const char *type,
                                  const char *value)
{
    return ProfileStore::countKeys(path, profileIndex, type, value);
}

bool CLumtarXML_ProFileKeyInfoSelectAll(const char *path, const char *profileIndex,
                                        std::list<std::string> *keyCodes)
{
    return ProfileStore::listKeyCodes(path, profileIndex, keyCodes);
}

// ---- Macro copies ----

bool CLumtarXML_AddProFileBindMacroItem(const char *path, const char *profileIndex,
                                        std::list<KeyOrMouseEventStu> events,
                                        const char *macroIndex, const char *nodeName)
{
    return ProfileStore::addMacroCopy(path, profileIndex, events, macroIndex, nodeName);
}

bool CLumtarXML_DeleteProFileBindMacroNode(const char *path, const char *profileIndex,
                                           const char *macroIndex, const char *)
{
    return ProfileStore::deleteMacroCopy(path, profileIndex, macroIndex);
}

bool CLumtarXML_ProFileMacroWithKeyInfoSelectAll(const char *path, const char *profileIndex,
                                                 const char *macroIndex, const char *,
                                                 std::list<KeyOrMouseEventStu> *events)
{
    return ProfileStore::macroCopyEvents(path, profileIndex, macroIndex, events);
}

// ---- Lights ----

int CLumtarXML_SelectProFileMouseLightTypeUsingIndex(const char *path, const char *profileIndex,
                                                     int kind)
{
    return ProfileStore::currentLightMode(path, profileIndex, kind);
}

bool CLumtarXML_ModifyProFileMouseLightUsingIndex(const char *path, const char *profileIndex,
                                                  int kind, int mode)
{
    return ProfileStore::setCurrentLightMode(path, profileIndex, kind, mode);
}

int CLumtarXML_SelectProFileLightTypeRuningStatus(const char *path, const char *profileIndex)
{
    return ProfileStore::lightRunningStatus(path, profileIndex);
}

int CLumtarXML_SelectProFileLightSynchronizeStatus(const char *path, const char *profileIndex)
{
    return ProfileStore::lightSyncStatus(path, profileIndex);
}

bool CLumtarXML_ModifyProFileLightSynchronizeStatus(const char *path, const char *profileIndex,
                                                    int status)
{
    return ProfileStore::setLightSyncStatus(path, profileIndex, status);
}

bool CLumtarXML_SelectProfileColorDataInfo(const char *path, const char *profileIndex, int kind,
                                           int mode, colorInfoData *data)
{
    return ProfileStore::selectLight(path, profileIndex, kind, mode, data);
}

bool CLumtarXML_IsProFileAlreadyHaveLightInfo(const char *path, const char *profileIndex, int kind,
                                              int mode)
{
    return ProfileStore::hasLight(path, profileIndex, kind, mode);
}

bool CLumtarXML_AddProFileLightInfoItem(const char *path, const char *profileIndex,
                                        colorInfoData data)
{
    return ProfileStore::storeLight(path, profileIndex, data.lightKind, data.modeCode, data, false);
}

bool CLumtarXML_ModifyProFileLightInfoItem(const char *path, const char *profileIndex, int kind,
                                           int mode, colorInfoData data)
{
    return ProfileStore::storeLight(path, profileIndex, kind, mode, data, true);
}

// ---- Custom-light schemes ----

bool CLumtarXML_AddProFileCustomLightNode(const char *path, const char *profileIndex,
                                          const char *nodeIndex, const char *name,
                                          const char *isUsing, int usingFlagIndex)
{
    return CustomLightStore::addScheme(path, profileIndex, nodeIndex, name, isUsing, usingFlagIndex);
}

bool CLumtarXML_SelectProFileCustomLightAllNodes(const char *path, const char *profileIndex,
                                                 std::list<CustomLightNodeStu> *nodes)
{
    return CustomLightStore::listSchemes(path, profileIndex, nodes);
}

bool CLumtarXML_ModifyProFileCustomLightNodeUsingStatus(const char *path, const char *profileIndex,
                                                        const char *nodeIndex, const char *isUsing,
                                                        int usingFlagIndex)
{
    return CustomLightStore::setSchemeUsing(path, profileIndex, nodeIndex, isUsing, usingFlagIndex);
}

bool CLumtarXML_ModifyProFileCustomLightNodeName(const char *path, const char *profileIndex,
                                                 const char *nodeIndex, const char *name)
{
    return CustomLightStore::renameScheme(path, profileIndex, nodeIndex, name);
}

bool CLumtarXML_AddProFileCustomLightDataInfo(const char *path, const char *profileIndex,
                                              const char *nodeIndex, CustomLightItemStu item)
{
    return CustomLightStore::addItems(path, profileIndex, nodeIndex, {item});
}

bool CLumtarXML_AddProFileCustomLightDataInfoList(const char *path, const char *profileIndex,
                                                  const char *nodeIndex,
                                                  const std::list<CustomLightItemStu> &items)
{
    return CustomLightStore::addItems(path, profileIndex, nodeIndex, items);
}

bool CLumtarXML_ClearProFileCustomLightNode(const char *path, const char *profileIndex,
                                            const char *nodeIndex)
{
    return CustomLightStore::clearScheme(path, profileIndex, nodeIndex);
}

bool CLumtarXML_ProFileCustomLightInfoSelectAll(const char *path, const char *profileIndex,
                                                const char *nodeIndex,
                                                std::list<CustomLightItemStu> *items)
{
    return CustomLightStore::schemeItems(path, profileIndex, nodeIndex, items);
}

bool CLumtarXML_XmlCustomLightInfoSelectAll(const char *filePath, const char *nodeIndex,
                                            std::list<CustomLightItemStu> *items)
{
    return CustomLightStore::defaultFileItems(filePath, nodeIndex, items);
}

// ---- Performance settings ----

bool CLumtarXML_GetProFileFunctionInfo(const char *path, const char *profileIndex, char flags[4][8])
{
    return ProfileStore::lockFlags(path, profileIndex, flags);
}

bool CLumtarXML_AddProFileFunctionInfo(const char *path, const char *profileIndex,
                                       const char *altTab, const char *altF4,
                                       const char *shiftTab, const char *winKey)
{
    return ProfileStore::setLockFlags(path, profileIndex, altTab, altF4, shiftTab, winKey);
}

bool CLumtarXML_GetProFileIntoSleepTimeInfo(const char *path, const char *profileIndex,
                                            int *lightSleepSeconds, int *keyboardSleepMinutes)
{
    return ProfileStore::sleepTimes(path, profileIndex, lightSleepSeconds, keyboardSleepMinutes);
}

bool CLumtarXML_SetProFileIntoSleepTimeInfo(const char *path, const char *profileIndex,
                                            int lightSleepSeconds, int keyboardSleepMinutes)
{
    return ProfileStore::setSleepTimes(path, profileIndex, lightSleepSeconds, keyboardSleepMinutes);
}

// ---- Macro store ----

bool CLumtarXML_SelectMacroAllNodes(const char *path, LumtarIndexNameList *macros)
{
    return MacroStore::listMacros(path, macros);
}

bool CLumtarXML_SelectAllKeyOrMouseEvent(const char *path, const char *macroIndex,
                                         std::list<KeyOrMouseEventStu> *events)
{
    return MacroStore::events(path, macroIndex, events);
}

bool CLumtarXML_CreateMacroXmlParentNode(const char *path, const char *macroIndex, const char *name)
{
    return MacroStore::createMacro(path, macroIndex, name);
}

bool CLumtarXML_DeleteMacroNode(const char *path, const char *macroIndex)
{
    return MacroStore::deleteMacro(path, macroIndex);
}

bool CLumtarXML_ModifyMacroNodeName(const char *path, const char *macroIndex, const char *name)
{
    return MacroStore::renameMacro(path, macroIndex, name);
}

bool CLumtarXML_AddKeyOrMouseEventItem(const char *path, std::list<KeyOrMouseEventStu> events,
                                       const char *macroIndex)
{
    return MacroStore::appendEvents(path, macroIndex, events);
}

bool CLumtarXML_DeleteEventItem(const char *path, const char *macroIndex, const char *mark)
{
    return MacroStore::deleteMark(path, macroIndex, mark);
}

bool CLumtarXML_UpdateEventItem(const char *path, const char *macroIndex, const char *mark,
                                int status, KeyOrMouseEventStu event)
{
    return MacroStore::updateEvent(path, macroIndex, mark, status, event);
}

bool CLumtarXML_MacroEventItemUpOrDownOperate(const char *path, const char *macroIndex,
                                              const char *mark, int direction, int which)
{
    return MacroStore::moveEvent(path, macroIndex, mark, direction, which);
}

bool CLumtarXML_ReplaceMacroEvents(const char *path, const char *macroIndex, const char *name,
                                   std::list<KeyOrMouseEventStu> events)
{
    return MacroStore::replaceEvents(path, macroIndex, name, events);
}

bool CLumtarXML_NewMacroIndex(const char *path, int *macroIndex)
{
    return MacroStore::newIndex(path, macroIndex);
}

// ---- Advanced-key store ----

bool CLumtarXML_SeniorKey_CreateXMLFile(const char *path)
{
    return SeniorKeyStore::createFile(path);
}

bool CLumtarXML_SeniorKey_CreateProFileXmlParentNode(const char *path)
{
    return SeniorKeyStore::prepare(path);
}

bool CLumtarXML_SeniorKey_SelectAllInfoItem(const char *path, std::list<SeniorKeyInfoStu> *records)
{
    return SeniorKeyStore::records(path, records);
}

bool CLumtarXML_SeniorKey_AddInfoItem(const char *path, int, SeniorKeyInfoStu record)
{
    return SeniorKeyStore::add(path, record);
}

bool CLumtarXML_SeniorKey_NewId(const char *path, int *id)
{
    return SeniorKeyStore::newId(path, id);
}

bool CLumtarXML_SeniorKey_ModifyInfoItem(const char *path, int, SeniorKeyInfoStu record)
{
    return SeniorKeyStore::modify(path, record);
}

bool CLumtarXML_SeniorKey_DeleteInfoItem(const char *path, int, int id)
{
    return SeniorKeyStore::remove(path, id);
}

} // extern "C"
