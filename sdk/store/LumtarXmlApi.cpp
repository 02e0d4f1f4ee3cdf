// Placeholder bodies until the store modules land.
#include "sdk/include/LumtarXml.h"

extern "C" {

int CLumtarXML_Init(void)
{
    return 0;
}

void CLumtarXML_SetLogCallback(LumtarXmlLogCallback /*callback*/)
{
}

bool CLumtarXML_CreateXMLFile(const char * /*path*/)
{
    return false;
}

bool CLumtarXML_CreateProFileXmlParentNode(const char * /*path*/, const char * /*profileIndex*/, const char * /*name*/, int /*reserved*/)
{
    return false;
}

bool CLumtarXML_DeleteProFileSelectedNode(const char * /*path*/, const char * /*profileIndex*/)
{
    return false;
}

bool CLumtarXML_IsExistenceSelectProfileNode(const char * /*path*/, const char * /*profileIndex*/)
{
    return false;
}

bool CLumtarXML_SelectProFileAllNodes(const char * /*path*/, LumtarIndexNameList * /*profiles*/)
{
    return false;
}

bool CLumtarXML_SelectProfileNodeInfo(const char * /*path*/, const char * /*profileIndex*/, ProfileNodeInfoStu * /*node*/)
{
    return false;
}

bool CLumtarXML_ModifyProfileNodeInfo(const char * /*path*/, const char * /*profileIndex*/, const char * /*name*/)
{
    return false;
}

int CLumtarXML_GetCreateXMLFileProfileIndex(const char * /*path*/)
{
    return -1;
}

bool CLumtarXML_ModifyXMLFileProfileIndex(const char * /*path*/, int /*profileIndex*/)
{
    return false;
}

bool CLumtarXML_ProFileExport(const char * /*path*/, const char * /*exportPath*/, const char * /*profileIndex*/, int /*reserved*/)
{
    return false;
}

bool CLumtarXML_ProFileImport(const char * /*path*/, const char * /*sourcePath*/, const char * /*sourceIndex*/)
{
    return false;
}

bool CLumtarXML_SelectProFileKeyOperateInfo(const char * /*path*/, const char * /*profileIndex*/, const char * /*keyCode*/, KeyOperateInfoStu * /*item*/)
{
    return false;
}

bool CLumtarXML_DeleteProFileMacroWithKeyInfoItem(const char * /*path*/, const char * /*profileIndex*/, const char * /*keyCode*/, const char * /*keyName*/)
{
    return false;
}

bool CLumtarXML_AddProFileMacroWithKeyInfoItem(const char * /*path*/, const char * /*profileIndex*/, const char * /*keyCode*/, const char * /*keyName*/, const char * /*type*/, const char * /*count*/, const char * /*mode*/, const char * /*value*/)
{
    return false;
}

int CLumtarXML_GetProFileValueNum(const char * /*path*/, const char * /*profileIndex*/, const char * /*type*/, const char * /*value*/)
{
    return -1;
}

bool CLumtarXML_ProFileKeyInfoSelectAll(const char * /*path*/, const char * /*profileIndex*/, std::list<std::string> * /*keyCodes*/)
{
    return false;
}

bool CLumtarXML_AddProFileBindMacroItem(const char * /*path*/, const char * /*profileIndex*/, std::list<KeyOrMouseEventStu> /*events*/, const char * /*macroIndex*/, const char * /*nodeName*/)
{
    return false;
}

bool CLumtarXML_DeleteProFileBindMacroNode(const char * /*path*/, const char * /*profileIndex*/, const char * /*macroIndex*/, const char * /*nodeName*/)
{
    return false;
}

bool CLumtarXML_ProFileMacroWithKeyInfoSelectAll(const char * /*path*/, const char * /*profileIndex*/, const char * /*macroIndex*/, const char * /*macroName*/, std::list<KeyOrMouseEventStu> * /*events*/)
{
    return false;
}

int CLumtarXML_SelectProFileMouseLightTypeUsingIndex(const char * /*path*/, const char * /*profileIndex*/, int /*kind*/)
{
    return -1;
}

bool CLumtarXML_ModifyProFileMouseLightUsingIndex(const char * /*path*/, const char * /*profileIndex*/, int /*kind*/, int /*mode*/)
{
    return false;
}

int CLumtarXML_SelectProFileLightTypeRuningStatus(const char * /*path*/, const char * /*profileIndex*/)
{
    return -1;
}

int CLumtarXML_SelectProFileLightSynchronizeStatus(const char * /*path*/, const char * /*profileIndex*/)
{
    return -1;
}

bool CLumtarXML_ModifyProFileLightSynchronizeStatus(const char * /*path*/, const char * /*profileIndex*/, int /*status*/)
{
    return false;
}

bool CLumtarXML_SelectProfileColorDataInfo(const char * /*path*/, const char * /*profileIndex*/, int /*kind*/, int /*mode*/, colorInfoData * /*data*/)
{
    return false;
}

bool CLumtarXML_IsProFileAlreadyHaveLightInfo(const char * /*path*/, const char * /*profileIndex*/, int /*kind*/, int /*mode*/)
{
    return false;
}

bool CLumtarXML_AddProFileLightInfoItem(const char * /*path*/, const char * /*profileIndex*/, colorInfoData /*data*/)
{
    return false;
}

bool CLumtarXML_ModifyProFileLightInfoItem(const char * /*path*/, const char * /*profileIndex*/, int /*kind*/, int /*mode*/, colorInfoData /*data*/)
{
    return false;
}

bool CLumtarXML_AddProFileCustomLightNode(const char * /*path*/, const char * /*profileIndex*/, const char * /*nodeIndex*/, const char * /*name*/, const char * /*isUsing*/, int /*usingFlagIndex*/)
{
    return false;
}

bool CLumtarXML_SelectProFileCustomLightAllNodes(const char * /*path*/, const char * /*profileIndex*/, std::list<CustomLightNodeStu> * /*nodes*/)
{
    return false;
}

bool CLumtarXML_ModifyProFileCustomLightNodeUsingStatus(const char * /*path*/, const char * /*profileIndex*/, const char * /*nodeIndex*/, const char * /*isUsing*/, int /*usingFlagIndex*/)
{
    return false;
}

bool CLumtarXML_ModifyProFileCustomLightNodeName(const char * /*path*/, const char * /*profileIndex*/, const char * /*nodeIndex*/, const char * /*name*/)
{
    return false;
}

bool CLumtarXML_AddProFileCustomLightDataInfo(const char * /*path*/, const char * /*profileIndex*/, const char * /*nodeIndex*/, CustomLightItemStu /*item*/)
{
    return false;
}

bool CLumtarXML_ClearProFileCustomLightNode(const char * /*path*/, const char * /*profileIndex*/, const char * /*nodeIndex*/)
{
    return false;
}

bool CLumtarXML_ProFileCustomLightInfoSelectAll(const char * /*path*/, const char * /*profileIndex*/, const char * /*nodeIndex*/, std::list<CustomLightItemStu> * /*items*/)
{
    return false;
}

bool CLumtarXML_XmlCustomLightInfoSelectAll(const char * /*filePath*/, const char * /*nodeIndex*/, std::list<CustomLightItemStu> * /*items*/)
{
    return false;
}

bool CLumtarXML_GetProFileFunctionInfo(const char * /*path*/, const char * /*profileIndex*/, char /*flags*/[4][8])
{
    return false;
}

bool CLumtarXML_AddProFileFunctionInfo(const char * /*path*/, const char * /*profileIndex*/, const char * /*altTab*/, const char * /*altF4*/, const char * /*shiftTab*/, const char * /*winKey*/)
{
    return false;
}

bool CLumtarXML_GetProFileIntoSleepTimeInfo(const char * /*path*/, const char * /*profileIndex*/, int * /*lightSleepSeconds*/, int * /*keyboardSleepMinutes*/)
{
    return false;
}

bool CLumtarXML_SetProFileIntoSleepTimeInfo(const char * /*path*/, const char * /*profileIndex*/, int /*lightSleepSeconds*/, int /*keyboardSleepMinutes*/)
{
    return false;
}

bool CLumtarXML_SelectMacroAllNodes(const char * /*path*/, LumtarIndexNameList * /*macros*/)
{
    return false;
}

bool CLumtarXML_SelectAllKeyOrMouseEvent(const char * /*path*/, const char * /*macroIndex*/, std::list<KeyOrMouseEventStu> * /*events*/)
{
    return false;
}

bool CLumtarXML_CreateMacroXmlParentNode(const char * /*path*/, const char * /*macroIndex*/, const char * /*name*/)
{
    return false;
}

bool CLumtarXML_DeleteMacroNode(const char * /*path*/, const char * /*macroIndex*/)
{
    return false;
}

bool CLumtarXML_ModifyMacroNodeName(const char * /*path*/, const char * /*macroIndex*/, const char * /*name*/)
{
    return false;
}

bool CLumtarXML_AddKeyOrMouseEventItem(const char * /*path*/, std::list<KeyOrMouseEventStu> /*events*/, const char * /*macroIndex*/)
{
    return false;
}

bool CLumtarXML_DeleteEventItem(const char * /*path*/, const char * /*macroIndex*/, const char * /*mark*/)
{
    return false;
}

bool CLumtarXML_UpdateEventItem(const char * /*path*/, const char * /*macroIndex*/, const char * /*mark*/, int /*status*/, KeyOrMouseEventStu /*event*/)
{
    return false;
}

bool CLumtarXML_MacroEventItemUpOrDownOperate(const char * /*path*/, const char * /*macroIndex*/, const char * /*mark*/, int /*direction*/, int /*which*/)
{
    return false;
}

bool CLumtarXML_SeniorKey_CreateXMLFile(const char * /*path*/)
{
    return false;
}

bool CLumtarXML_SeniorKey_CreateProFileXmlParentNode(const char * /*path*/)
{
    return false;
}

bool CLumtarXML_SeniorKey_SelectAllInfoItem(const char * /*path*/, std::list<SeniorKeyInfoStu> * /*records*/)
{
    return false;
}

bool CLumtarXML_SeniorKey_AddInfoItem(const char * /*path*/, int /*kind*/, SeniorKeyInfoStu /*record*/)
{
    return false;
}

bool CLumtarXML_SeniorKey_ModifyInfoItem(const char * /*path*/, int /*kind*/, SeniorKeyInfoStu /*record*/)
{
    return false;
}

bool CLumtarXML_SeniorKey_DeleteInfoItem(const char * /*path*/, int /*kind*/, int /*id*/)
{
    return false;
}

}
