// The XML stores of the device SDK: profile files, the macro store, the
// advanced-key store and the read-only default custom-light files.
//
// Every function names its file by path (local 8-bit text). Indexes, key
// codes, types and values travel as decimal text, names as UTF-8. Lists and
// vectors are created empty by the caller and filled in store order. A select
// function leaves the caller's pre-filled output untouched when nothing is
// stored; text fields it fills are cut at a UTF-8 character boundary and
// always end in NUL.
//
// A file that cannot be parsed is never overwritten: every call on it fails
// and the reason is logged. Writes go to a temporary file beside the store,
// which is flushed and renamed over it; a file keeps its mode, a new one gets
// 0666 less the umask, a read-only file is refused, and a path that is a
// symbolic link is written through to its target. Parsed files stay in
// memory and are read again only when they changed on disk. A batch
// (CLumtarXML_BeginBatch) gathers many changes of one file into one write.
// The layout of each file kind is described in sdk/store/README.md.
#ifndef LUMTAR_XML_H
#define LUMTAR_XML_H

#include "sdk/include/LumtarRecords.h"

#include <stddef.h>
#include <stdint.h>

/* One profile of a profile file, as CLumtarXML_SelectProfileNodeInfo fills
 * it: 648 bytes, the name (UTF-8) from byte 8. */
typedef struct ProfileNodeInfoStu {
    char index[8];
    char name[640];
} ProfileNodeInfoStu;

/* One custom-light scheme of a profile. */
typedef struct CustomLightNodeStu {
    char index[16];          /* "0".."4" */
    char name[64];           /* UTF-8 */
    char isUsing[16];        /* "Using" or "UnUsing" */
    int32_t usingFlagIndex;  /* 0 or 1 when in use, -1 otherwise */
} CustomLightNodeStu;

/* One key of a custom-light scheme: 104 bytes. */
typedef struct CustomLightItemStu {
    char keyCode[16];        /* decimal key code */
    char codeName[64];       /* key caption */
    int32_t indexX;          /* row 0..5 */
    int32_t indexY;          /* column 0..21 */
    int32_t colorR;
    int32_t colorG;
    int32_t colorB;
    int32_t transparentNum;
} CustomLightItemStu;

#ifdef __cplusplus
static_assert(sizeof(ProfileNodeInfoStu) == 648, "ProfileNodeInfoStu layout");
static_assert(offsetof(ProfileNodeInfoStu, name) == 8, "ProfileNodeInfoStu layout");
static_assert(sizeof(CustomLightNodeStu) == 100, "CustomLightNodeStu layout");
static_assert(offsetof(CustomLightNodeStu, usingFlagIndex) == 96, "CustomLightNodeStu layout");
static_assert(sizeof(CustomLightItemStu) == 104, "CustomLightItemStu layout");
static_assert(offsetof(CustomLightItemStu, codeName) == 16, "CustomLightItemStu layout");
static_assert(offsetof(CustomLightItemStu, indexX) == 80, "CustomLightItemStu layout");
static_assert(offsetof(CustomLightItemStu, transparentNum) == 100, "CustomLightItemStu layout");

#include <list>
#include <string>
#include <utility>
#include <vector>

/* (index, name) pairs of profiles or macros. */
typedef std::vector<std::pair<std::string, std::string>> LumtarIndexNameList;

extern "C" {

/* Start-up: 0 when the stores are ready. */
int CLumtarXML_Init(void);

/* Where the stores' log lines go (which file failed and why). Without a
 * callback they are written to standard error. */
typedef void (*LumtarXmlLogCallback)(const char *line);
void CLumtarXML_SetLogCallback(LumtarXmlLogCallback callback);

/* ---- Store files ---- */

/* Creates an empty store file (profile, macro or export file). Refuses, and
 * leaves it alone, when something already exists at the path. */
bool CLumtarXML_CreateXMLFile(const char *path);

/* ---- Batches: many changes of one file, one write ---- */

/* From CLumtarXML_BeginBatch (path) to the matching CLumtarXML_CommitBatch
 * (path), every call that changes the file at path (CLumtarXML_CreateXMLFile
 * included) changes it in memory only and reports as usual whether that
 * worked; reads see the changes, from any thread. The commit writes them all
 * in one atomic write (a file created in the batch appears on disk only
 * then, and only if nothing has appeared at the path meanwhile). Batches
 * nest: only the outermost commit writes. Changes made on disk by another
 * program during a batch are overwritten by its commit.
 * Begin returns false only for a bad path. Commit returns false when no
 * batch was open, when the write failed (the file on disk stays as it was
 * and the next call reads it again) or when a change of the batch was lost
 * before it (out of memory). Keep a batch to one sequence of calls: its
 * changes are not on disk until the commit. */
bool CLumtarXML_BeginBatch(const char *path);
bool CLumtarXML_CommitBatch(const char *path);

/* ---- Profiles of a profile file ---- */

/* Adds an empty profile with that index and name; false when the index is
 * already taken. The last argument is not used. */
bool CLumtarXML_CreateProFileXmlParentNode(const char *path, const char *profileIndex,
                                           const char *name, int reserved);
bool CLumtarXML_DeleteProFileSelectedNode(const char *path, const char *profileIndex);
bool CLumtarXML_IsExistenceSelectProfileNode(const char *path, const char *profileIndex);
/* (index, name) of every profile in creation order. */
bool CLumtarXML_SelectProFileAllNodes(const char *path, LumtarIndexNameList *profiles);
bool CLumtarXML_SelectProfileNodeInfo(const char *path, const char *profileIndex,
                                      ProfileNodeInfoStu *node);
bool CLumtarXML_ModifyProfileNodeInfo(const char *path, const char *profileIndex,
                                      const char *name);
/* The file's current profile index; -1 when there is none. */
int CLumtarXML_GetCreateXMLFileProfileIndex(const char *path);
bool CLumtarXML_ModifyXMLFileProfileIndex(const char *path, int profileIndex);
/* Copies one profile into the store file exportPath (created when missing) as
 * a further profile. The last argument is not used. */
bool CLumtarXML_ProFileExport(const char *path, const char *exportPath,
                              const char *profileIndex, int reserved);
/* Adds profile sourceIndex of sourcePath to path as a further profile, under
 * the next free index and with its name. */
bool CLumtarXML_ProFileImport(const char *path, const char *sourcePath,
                              const char *sourceIndex);

/* ---- Key items of a profile (one per key code) ---- */

bool CLumtarXML_SelectProFileKeyOperateInfo(const char *path, const char *profileIndex,
                                            const char *keyCode, KeyOperateInfoStu *item);
/* Removes the key's item, found by key code alone; no item is no error. */
bool CLumtarXML_DeleteProFileMacroWithKeyInfoItem(const char *path, const char *profileIndex,
                                                  const char *keyCode, const char *keyName);
/* Stores the key's item, replacing one the key may already have. */
bool CLumtarXML_AddProFileMacroWithKeyInfoItem(const char *path, const char *profileIndex,
                                               const char *keyCode, const char *keyName,
                                               const char *type, const char *count,
                                               const char *mode, const char *value);
/* Number of the profile's key items with that type and value (numbers compare
 * as numbers); 0 when the profile cannot be read. */
int CLumtarXML_GetProFileValueNum(const char *path, const char *profileIndex,
                                  const char *type, const char *value);
/* The key codes of every key item of the profile, in store order. */
bool CLumtarXML_ProFileKeyInfoSelectAll(const char *path, const char *profileIndex,
                                        std::list<std::string> *keyCodes);

/* ---- The profile's copies of macros (node "Macro%1") ---- */

bool CLumtarXML_AddProFileBindMacroItem(const char *path, const char *profileIndex,
                                        std::list<KeyOrMouseEventStu> events,
                                        const char *macroIndex, const char *nodeName);
bool CLumtarXML_DeleteProFileBindMacroNode(const char *path, const char *profileIndex,
                                           const char *macroIndex, const char *nodeName);
/* The events of the profile's copy of a macro, found by its index (the name
 * is not needed). */
bool CLumtarXML_ProFileMacroWithKeyInfoSelectAll(const char *path, const char *profileIndex,
                                                 const char *macroIndex, const char *macroName,
                                                 std::list<KeyOrMouseEventStu> *events);

/* A macro key in one write: the key's item (type "1", the macro index as
 * value) and, when copyEvents is given, the profile's copy of the macro in
 * place of an earlier one. Neither is stored when either cannot be. */
bool CLumtarXML_AddProFileMacroKeyWithCopy(const char *path, const char *profileIndex,
                                           const char *keyCode, const char *keyName,
                                           const char *count, const char *mode,
                                           const char *macroIndex,
                                           const std::list<KeyOrMouseEventStu> *copyEvents,
                                           const char *nodeName);

/* ---- Light records: one per (profile, kind, mode), a current mode per kind ---- */

/* The current mode of the kind; -1 when the profile never chose one (a new
 * profile opens with no mode selected) or cannot be read. */
int CLumtarXML_SelectProFileMouseLightTypeUsingIndex(const char *path, const char *profileIndex,
                                                     int kind);
bool CLumtarXML_ModifyProFileMouseLightUsingIndex(const char *path, const char *profileIndex,
                                                  int kind, int mode);
/* 1 unless stored otherwise; -1 when the profile cannot be read. */
int CLumtarXML_SelectProFileLightTypeRuningStatus(const char *path, const char *profileIndex);
/* 0 unless set; -1 when the profile cannot be read. */
int CLumtarXML_SelectProFileLightSynchronizeStatus(const char *path, const char *profileIndex);
bool CLumtarXML_ModifyProFileLightSynchronizeStatus(const char *path, const char *profileIndex,
                                                    int status);
bool CLumtarXML_SelectProfileColorDataInfo(const char *path, const char *profileIndex, int kind,
                                           int mode, colorInfoData *data);
bool CLumtarXML_IsProFileAlreadyHaveLightInfo(const char *path, const char *profileIndex,
                                              int kind, int mode);
/* Stores the record under its own kind and mode, replacing an earlier one. */
bool CLumtarXML_AddProFileLightInfoItem(const char *path, const char *profileIndex,
                                        colorInfoData data);
/* Replaces the stored record of (kind, mode); false when there is none. */
bool CLumtarXML_ModifyProFileLightInfoItem(const char *path, const char *profileIndex, int kind,
                                           int mode, colorInfoData data);

/* ---- Custom-light schemes of a profile ---- */

bool CLumtarXML_AddProFileCustomLightNode(const char *path, const char *profileIndex,
                                          const char *nodeIndex, const char *name,
                                          const char *isUsing, int usingFlagIndex);
bool CLumtarXML_SelectProFileCustomLightAllNodes(const char *path, const char *profileIndex,
                                                 std::list<CustomLightNodeStu> *nodes);
bool CLumtarXML_ModifyProFileCustomLightNodeUsingStatus(const char *path,
                                                        const char *profileIndex,
                                                        const char *nodeIndex,
                                                        const char *isUsing,
                                                        int usingFlagIndex);
bool CLumtarXML_ModifyProFileCustomLightNodeName(const char *path, const char *profileIndex,
                                                 const char *nodeIndex, const char *name);
/* Appends one key to the scheme. */
bool CLumtarXML_AddProFileCustomLightDataInfo(const char *path, const char *profileIndex,
                                              const char *nodeIndex, CustomLightItemStu item);
/* Appends the keys to the scheme in list order, in one write; nothing when
 * the scheme is missing. */
bool CLumtarXML_AddProFileCustomLightDataInfoList(const char *path, const char *profileIndex,
                                                  const char *nodeIndex,
                                                  const std::list<CustomLightItemStu> &items);
/* True when the scheme exists and its keys were removed. */
bool CLumtarXML_ClearProFileCustomLightNode(const char *path, const char *profileIndex,
                                            const char *nodeIndex);
bool CLumtarXML_ProFileCustomLightInfoSelectAll(const char *path, const char *profileIndex,
                                                const char *nodeIndex,
                                                std::list<CustomLightItemStu> *items);
/* The items of one "customLed" node of a default custom-light file. */
bool CLumtarXML_XmlCustomLightInfoSelectAll(const char *filePath, const char *nodeIndex,
                                            std::list<CustomLightItemStu> *items);

/* ---- Performance settings of a profile ---- */

/* The four lock flags in the order ALT+TAB, ALT+F4, SHIFT+TAB, Windows key. */
bool CLumtarXML_GetProFileFunctionInfo(const char *path, const char *profileIndex,
                                       char flags[4][8]);
bool CLumtarXML_AddProFileFunctionInfo(const char *path, const char *profileIndex,
                                       const char *altTab, const char *altF4,
                                       const char *shiftTab, const char *winKey);
/* Light sleep in seconds, keyboard sleep in minutes. */
bool CLumtarXML_GetProFileIntoSleepTimeInfo(const char *path, const char *profileIndex,
                                            int *lightSleepSeconds, int *keyboardSleepMinutes);
bool CLumtarXML_SetProFileIntoSleepTimeInfo(const char *path, const char *profileIndex,
                                            int lightSleepSeconds, int keyboardSleepMinutes);

/* ---- Macro store ---- */

/* Every macro in ascending numeric index order. */
bool CLumtarXML_SelectMacroAllNodes(const char *path, LumtarIndexNameList *macros);
/* The macro's events in playback order; false (list empty) for an unknown index. */
bool CLumtarXML_SelectAllKeyOrMouseEvent(const char *path, const char *macroIndex,
                                         std::list<KeyOrMouseEventStu> *events);
bool CLumtarXML_CreateMacroXmlParentNode(const char *path, const char *macroIndex,
                                         const char *name);
bool CLumtarXML_DeleteMacroNode(const char *path, const char *macroIndex);
bool CLumtarXML_ModifyMacroNodeName(const char *path, const char *macroIndex, const char *name);
/* Appends the events after the macro's own, in list order. */
bool CLumtarXML_AddKeyOrMouseEventItem(const char *path, std::list<KeyOrMouseEventStu> events,
                                       const char *macroIndex);
/* Removes every event of the mark. */
bool CLumtarXML_DeleteEventItem(const char *path, const char *macroIndex, const char *mark);
/* Replaces the "down" (status 0) or "up" (status 1) event of the mark. */
bool CLumtarXML_UpdateEventItem(const char *path, const char *macroIndex, const char *mark,
                                int status, KeyOrMouseEventStu event);
/* Moves the "down" (which 0) or "up" (which 1) event of the mark one place
 * earlier (direction 1) or later (direction 0). */
bool CLumtarXML_MacroEventItemUpOrDownOperate(const char *path, const char *macroIndex,
                                              const char *mark, int direction, int which);
/* Replaces the macro's whole event list in one write, creating the macro
 * with the name when it is missing (an existing macro keeps its name). Either
 * the whole new list is stored or the store is left as it was. */
bool CLumtarXML_ReplaceMacroEvents(const char *path, const char *macroIndex, const char *name,
                                   std::list<KeyOrMouseEventStu> events);
/* An index that no macro of the store has ever had: one more than the highest
 * index the store has held (a file without that record: its highest macro). */
bool CLumtarXML_NewMacroIndex(const char *path, int *macroIndex);

/* ---- Advanced-key store (at most 40 records, unique ids) ---- */

bool CLumtarXML_SeniorKey_CreateXMLFile(const char *path);
bool CLumtarXML_SeniorKey_CreateProFileXmlParentNode(const char *path);
/* Every record in store order; false when the store cannot be read. */
bool CLumtarXML_SeniorKey_SelectAllInfoItem(const char *path, std::list<SeniorKeyInfoStu> *records);
/* False when the id is taken or the store is full. */
bool CLumtarXML_SeniorKey_AddInfoItem(const char *path, int kind, SeniorKeyInfoStu record);
/* An id that no record of the store has ever had (deleted ones included);
 * false when the store cannot be read or no id is left. */
bool CLumtarXML_SeniorKey_NewId(const char *path, int *id);
/* Replaces the record with the same id. */
bool CLumtarXML_SeniorKey_ModifyInfoItem(const char *path, int kind, SeniorKeyInfoStu record);
bool CLumtarXML_SeniorKey_DeleteInfoItem(const char *path, int kind, int id);

} /* extern "C" */

/* A batch on one file for the lifetime of the object (see
 * CLumtarXML_BeginBatch): the destructor commits unless commit () did. The
 * path is copied, so the caller's buffer may change meanwhile. */
class LumtarXmlBatch
{
public:
    explicit LumtarXmlBatch(const char *path)
        : m_path(path ? path : ""), m_open(CLumtarXML_BeginBatch(path))
    {
    }
    ~LumtarXmlBatch() { commit(); }
    LumtarXmlBatch(const LumtarXmlBatch &) = delete;
    LumtarXmlBatch &operator=(const LumtarXmlBatch &) = delete;

    /* Writes the batch's changes now; true when they are on disk. */
    bool commit()
    {
        if (m_open) {
            m_open = false;
            m_written = CLumtarXML_CommitBatch(m_path.c_str());
        }
        return m_written;
    }

private:
    std::string m_path;
    bool m_open;
    bool m_written = false;
};
#endif /* __cplusplus */

#endif
