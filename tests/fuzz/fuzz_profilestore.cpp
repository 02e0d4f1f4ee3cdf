// Profile files: every reader of a profile store on arbitrary input, and a
// set of changes made one write each or in one batch, which must leave the
// same file and give the same answers.
#include "tests/fuzz/FuzzStoreFile.h"

#include <fstream>
#include <sstream>
#include <string.h>

namespace {

std::string fileText(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The answers of the changes, one letter each.
std::string applyChanges(const char *path)
{
    CustomLightItemStu item;
    memset(&item, 0, sizeof item);
    strcpy(item.keyCode, "20");
    const colorInfoData light = lumtarDefaultColorInfo(0);
    const bool answers[] = {
        CLumtarXML_AddProFileMacroWithKeyInfoItem(path, "1", "4", "A", "0", "1", "1", "x"),
        CLumtarXML_ModifyProFileLightInfoItem(path, "1", 0, 9, light), // none: fails after a touch
        CLumtarXML_AddProFileCustomLightDataInfoList(path, "1", "0", {item, item}),
        CLumtarXML_DeleteProFileMacroWithKeyInfoItem(path, "1", "5", ""),
        CLumtarXML_CreateProFileXmlParentNode(path, "2", "Profile2", 0),
    };
    std::string out;
    for (bool a : answers)
        out += a ? 'y' : 'n';
    return out;
}

void checkBatchMatchesSingleWrites(const uint8_t *data, size_t size)
{
    const char *path = fuzzstore::inputFile(data, size);
    const std::string single = applyChanges(path);
    const std::string singleFile = fileText(path);
    path = fuzzstore::inputFile(data, size);
    if (!CLumtarXML_BeginBatch(path))
        abort();
    const std::string batched = applyChanges(path);
    const bool committed = CLumtarXML_CommitBatch(path);
    if (batched != single || !committed || fileText(path) != singleFile)
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *path = fuzzstore::inputFile(data, size);
    LumtarIndexNameList profiles;
    CLumtarXML_SelectProFileAllNodes(path, &profiles);
    CLumtarXML_GetCreateXMLFileProfileIndex(path);
    profiles.emplace_back("1", "");
    for (const auto &p : profiles) {
        const char *index = p.first.c_str();
        ProfileNodeInfoStu node;
        CLumtarXML_SelectProfileNodeInfo(path, index, &node);
        std::list<std::string> codes;
        CLumtarXML_ProFileKeyInfoSelectAll(path, index, &codes);
        codes.push_back("4");
        for (const std::string &code : codes) {
            KeyOperateInfoStu item;
            memset(&item, 0, sizeof item);
            if (CLumtarXML_SelectProFileKeyOperateInfo(path, index, code.c_str(), &item)) {
                CLumtarXML_GetProFileValueNum(path, index, item.type, item.value);
                std::list<KeyOrMouseEventStu> events;
                CLumtarXML_ProFileMacroWithKeyInfoSelectAll(path, index, item.value, "", &events);
            }
        }
        for (int kind = 0; kind < 3; ++kind) {
            int mode = CLumtarXML_SelectProFileMouseLightTypeUsingIndex(path, index, kind);
            colorInfoData d;
            CLumtarXML_SelectProfileColorDataInfo(path, index, kind, mode, &d);
            CLumtarXML_IsProFileAlreadyHaveLightInfo(path, index, kind, 2);
        }
        CLumtarXML_SelectProFileLightTypeRuningStatus(path, index);
        CLumtarXML_SelectProFileLightSynchronizeStatus(path, index);
        char flags[4][8];
        CLumtarXML_GetProFileFunctionInfo(path, index, flags);
        int light = 0, keyboard = 0;
        CLumtarXML_GetProFileIntoSleepTimeInfo(path, index, &light, &keyboard);
        std::list<CustomLightNodeStu> nodes;
        CLumtarXML_SelectProFileCustomLightAllNodes(path, index, &nodes);
        for (const CustomLightNodeStu &n : nodes) {
            std::list<CustomLightItemStu> items;
            CLumtarXML_ProFileCustomLightInfoSelectAll(path, index, n.index, &items);
        }
    }
    fuzzstore::checkWriteRoundTrip(data, size);
    checkBatchMatchesSingleWrites(data, size);
    return 0;
}
