#include "ui/mainwidget/devicePage/customKeys/DHotKeyPage.h"

#include "core/KeyFunctionNames.h"

DHotKeyPage::DHotKeyPage(QWidget *parent)
    : DKeyFunctionPage(parent)
{
    showTitleOnly(KeyFunctionNames::typeSourceText(KeyOperate_Shortcut));
}
