#include "ui/mainwidget/devicePage/customKeys/DChangProfilePage.h"

#include "core/KeyFunctionNames.h"

DChangProfilePage::DChangProfilePage(QWidget *parent)
    : DKeyFunctionPage(parent)
{
    showTitleOnly(KeyFunctionNames::typeSourceText(KeyOperate_SwitchProfile));
}
