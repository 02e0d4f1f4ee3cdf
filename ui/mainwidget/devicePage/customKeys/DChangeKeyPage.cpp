#include "ui/mainwidget/devicePage/customKeys/DChangeKeyPage.h"

#include "core/KeyFunctionNames.h"

DChangeKeyPage::DChangeKeyPage(QWidget *parent)
    : DTargetKeyPage(0, parent)
{
    showTitleOnly(KeyFunctionNames::typeSourceText(KeyOperate_Remap));
}
