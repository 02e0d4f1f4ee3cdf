#include "ui/mainwidget/devicePage/customKeys/DKeyboardLightCustomEventPage.h"

#include "core/KeyFunctionNames.h"

DKeyboardLightCustomEventPage::DKeyboardLightCustomEventPage(QWidget *parent)
    : DKeyFunctionPage(parent)
{
    showTitleOnly(KeyFunctionNames::typeSourceText(KeyOperate_KeyboardLightFirst));
}
