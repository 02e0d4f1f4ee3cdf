#include "ui/mainwidget/devicePage/customKeys/DKeyConfigFunctionPage.h"

#include "core/KeyFunctionNames.h"

DKeyConfigFunctionPage::DKeyConfigFunctionPage(QWidget *parent)
    : DKeyFunctionPage(parent)
{
    showTitleOnly(KeyFunctionNames::typeSourceText(KeyOperate_DeviceFunction));
}
