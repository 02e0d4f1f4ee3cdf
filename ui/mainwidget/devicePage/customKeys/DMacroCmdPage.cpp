#include "ui/mainwidget/devicePage/customKeys/DMacroCmdPage.h"

#include "core/KeyFunctionNames.h"

DMacroCmdPage::DMacroCmdPage(QWidget *parent)
    : DKeyFunctionPage(parent)
{
    showTitleOnly(KeyFunctionNames::typeSourceText(KeyOperate_Macro));
}
