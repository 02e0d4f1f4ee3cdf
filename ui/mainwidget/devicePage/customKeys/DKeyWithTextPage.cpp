#include "ui/mainwidget/devicePage/customKeys/DKeyWithTextPage.h"

#include "core/KeyFunctionNames.h"

DKeyWithTextPage::DKeyWithTextPage(QWidget *parent)
    : DKeyFunctionPage(parent)
{
    showTitleOnly(KeyFunctionNames::typeSourceText(KeyOperate_Text));
}
