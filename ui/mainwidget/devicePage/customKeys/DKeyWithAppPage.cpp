#include "ui/mainwidget/devicePage/customKeys/DKeyWithAppPage.h"

#include "core/KeyFunctionNames.h"

DKeyWithAppPage::DKeyWithAppPage(QWidget *parent)
    : DKeyFunctionPage(parent)
{
    showTitleOnly(KeyFunctionNames::typeSourceText(KeyOperate_LaunchApp));
}
