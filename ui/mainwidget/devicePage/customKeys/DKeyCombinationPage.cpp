#include "ui/mainwidget/devicePage/customKeys/DKeyCombinationPage.h"

#include "core/KeyFunctionNames.h"
#include "ui/mainwidget/devicePage/customKeys/DSoftKeyboardPage.h"

DKeyCombinationPage::DKeyCombinationPage(QWidget *parent)
    : DTargetKeyPage(DSoftKeyboardPage::MultiSelectMode, parent)
{
    showTitleOnly(KeyFunctionNames::typeSourceText(KeyOperate_Combination));
}
