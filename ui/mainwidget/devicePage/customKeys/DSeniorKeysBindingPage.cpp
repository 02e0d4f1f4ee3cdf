#include "ui/mainwidget/devicePage/customKeys/DSeniorKeysBindingPage.h"

#include "core/KeyFunctionNames.h"

DSeniorKeysBindingPage::DSeniorKeysBindingPage(QWidget *parent)
    : DKeyFunctionPage(parent)
{
    showTitleOnly(KeyFunctionNames::typeSourceText(KeyOperate_SeniorKey));
}
