// Profile files: every reader of a profile store on arbitrary input.
#include "tests/fuzz/FuzzStoreFile.h"

#include <string.h>

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
    return 0;
}
