#include "ui/mainwidget/devicePage/customKeys/DMouseKeyPage.h"

#include "core/KeyFunctionNames.h"

DMouseKeyPage::DMouseKeyPage(QWidget *parent)
    : DKeyFunctionPage(parent)
{
    showTitleOnly(KeyFunctionNames::typeSourceText(KeyOperate_Mouse));
}
