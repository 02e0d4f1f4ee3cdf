#include "ui/mainwidget/devicePage/customKeys/DGamePadView.h"

#include "core/KeyFunctionNames.h"

DGamePadView::DGamePadView(QWidget *parent)
    : DKeyFunctionPage(parent)
{
    showTitleOnly(KeyFunctionNames::typeSourceText(KeyOperate_GamePadClassical));
}
