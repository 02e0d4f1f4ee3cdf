#include "ui/mainwidget/LumtarSdkStartup.h"

#include "sdk/include/LumtarLight.h"
#include "sdk/include/LumtarXml.h"

LumtarSdkStartup LumtarSdkStartup::linked()
{
    LumtarSdkStartup calls;
    calls.versionStr = &CLumtarSDK_VersionStr;
    calls.xmlInit = &CLumtarXML_Init;
    calls.hidInit = &CLumtarHid_Init;
    calls.lightInit = &CLumtarLight_Init;
    calls.createMacroXmlFile = &CLumtarXML_CreateXMLFile;
    calls.createSeniorKeyXmlFile = &CLumtarXML_SeniorKey_CreateXMLFile;
    calls.createSeniorKeyParentNode = &CLumtarXML_SeniorKey_CreateProFileXmlParentNode;
    calls.getSupportInfoList = &CLumtarHid_GetSupportInfoList;
    return calls;
}
