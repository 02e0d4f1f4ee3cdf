#include "ui/mainwidget/devicePage/customKeys/DSideLightCustomEventPage.h"

#include "core/KeyFunctionNames.h"

DSideLightCustomEventPage::DSideLightCustomEventPage(QWidget *parent)
    : DKeyFunctionPage(parent)
{
    showTitleOnly(KeyFunctionNames::typeSourceText(KeyOperate_SideLightFirst));
}
